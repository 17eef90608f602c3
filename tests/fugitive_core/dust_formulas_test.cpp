// The dust formulas: the worked examples to their full digits, the order of
// the factors, and where a result has no value.
#include "common/number_text.h"
#include "fugitive/dust_formulas.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

struct Case
{
    const char *name;
    std::optional<double> value;
    std::optional<double> expected;  // none: the result has no value
    double tolerance = 0;            // relative
};

void check(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.value.has_value(), c.expected.has_value());
        if (c.expected) {
            EXPECT_NEAR(*c.value, *c.expected, std::abs(*c.expected) * c.tolerance);
        }
    }
}

CoalPileInputs pile(const char *u = "4", const char *w = "10", const char *u0 = "3.0")
{
    return {.k = "0.96", .windSpeed = u, .startWindSpeed = u0, .moisture = w, .coalPiled = "4000"};
}

TEST(DustFormulas, CoalWharfPile)
{
    check({
        {"design texts", coalPileDust(pile()), 7279.846023, 1e-9},
        {"U = 5", coalPileDust(pile("5")), 58238.768, 1e-7},
        {"U = 6", coalPileDust(pile("6")), 196555.843, 1e-8},
        {"W = 0: no moisture factor", coalPileDust(pile("4", "0")), 2.1 * 0.96 * 4000, 1e-12},
        {"an empty box", coalPileDust(pile("")), std::nullopt},
        {"the exponential beyond range", coalPileDust(pile("4", "-1e6")), std::nullopt},
        {"direction from the shown Qp", coalPileDirectionDust("7279.846", "3.28"), 0.238778949, 1e-9},
        {"direction from a rounded Qp", coalPileDirectionDust("7279.85", "3.28"), 0.23877908, 1e-9},
        {"Qp shown as a lone point", coalPileDirectionDust(".", "3.28"), std::nullopt},
    });
}

TEST(DustFormulas, LoadingAndVehicles)
{
    const LoadingInputs loading{.dropHeight = "0.5", .windSpeed = "1.5", .moisture = "2.0"};
    LoadingInputs dry = loading;
    dry.moisture = "0";
    LoadingInputs negative = loading;
    negative.dropHeight = "-0.5";
    const RoadVehicleInputs port{.speed = "10", .weight = "45", .surfaceDust = "0.2"};
    const RoadVehicleInputs road{.speed = "60", .weight = "20", .surfaceDust = "0.2"};
    RoadVehicleInputs backwards = road;
    backwards.speed = "-60";
    check({
        {"loading design texts", loadingDustRate(loading), 919.186, 1e-5},
        {"loading W = 0", loadingDustRate(dry), 1133.33 * std::pow(1.5, 1.6) * std::pow(0.5, 1.23), 1e-12},
        {"loading negative H", loadingDustRate(negative), std::nullopt},
        {"yearly loading, divisor 10^10", loadingYearlyDust(loadingDustRate(loading)), 2.38253, 1e-5},
        {"yearly loading of no rate", loadingYearlyDust(std::nullopt), 0.0},
        {"port road design texts", portRoadDust(port), 2.27969, 1e-5},
        {"vehicle road design texts", vehicleRoadDust(road), 1.89843, 1e-5},
        {"vehicle road negative V", vehicleRoadDust(backwards), -1.89843, 1e-5},
    });
}

TEST(DustFormulas, SitePileAndRoadFactor)
{
    const SiteInputs site{.liftable = "0.62", .silt = "12", .speed = "15", .rainDays = "150", .tyres = "6"};
    SiteInputs beyond = site;
    beyond.rainDays = "400";
    const WindPileInputs wind{.windSpeed = "6", .area = "200", .humidity = "60", .moisture = "6"};
    WindPileInputs baseMoisture = wind;
    baseMoisture.moisture = "0.07";
    WindPileInputs reversed = wind;
    reversed.windSpeed = "-6";
    check({
        {"site design texts", siteDustFactor(site), 0.0266235, 1e-5},
        {"site more rain days than the year", siteDustFactor(beyond), 0.0266235 * -35 / 215, 1e-5},
        {"pile design texts", windPileDust(wind), 166.637206, 1e-8},
        {"pile W = 0.07: no coal moisture factor", windPileDust(baseMoisture),
         11.7 * std::pow(6, 2.45) * std::pow(200, 0.345) * std::exp(-0.3), 1e-12},
        {"pile negative U", windPileDust(reversed), std::nullopt},
        {"road design texts", roadDustFactor({.speed = "40", .tyres = "4", .windSpeed = "5.0"}), 0.0114626, 1e-5},
        {"road T and U exchanged", roadDustFactor({.speed = "40", .tyres = "5.0", .windSpeed = "4"}), 0.0114626, 1e-5},
    });
}

} // namespace
