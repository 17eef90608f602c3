// The dust formulas where the windows' rounded boxes cannot tell: the
// digits beyond what a box shows and the failures the windows cannot reach.
// The worked examples are checked through the windows.
#include "fugitive/dust_formulas.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(DustFormulas, BeyondTheShownDigits)
{
    const CoalPileInputs pile{.k = "0.96", .windSpeed = "4", .startWindSpeed = "3.0", .moisture = "-1e6",
                              .coalPiled = "4000"};
    const LoadingInputs loading{.dropHeight = "0.5", .windSpeed = "1.5", .moisture = "2.0"};
    const struct
    {
        const char *name;
        std::optional<double> value;
        std::optional<double> expected;  // none: the result has no value
        double tolerance = 0;            // relative
    } cases[] = {
        {"the exponential beyond range", coalPileDust(pile), std::nullopt},
        // Both show .239: the direction takes Qp as its box shows it.
        {"direction from the shown Qp", coalPileDirectionDust("7279.846", "3.28"), 0.238778949, 1e-9},
        {"direction from a rounded Qp", coalPileDirectionDust("7279.85", "3.28"), 0.23877908, 1e-9},
        {"yearly loading, divisor 10^10", loadingYearlyDust(loadingDustRate(loading)), 2.38253, 1e-5},
        {"yearly loading of no rate", loadingYearlyDust(std::nullopt), 0.0},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(c.value.has_value(), c.expected.has_value()) << c.name;
        if (c.expected) {
            EXPECT_NEAR(*c.value, *c.expected, std::abs(*c.expected) * c.tolerance) << c.name;
        }
    }
}

} // namespace
