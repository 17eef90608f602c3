// Mass-balance results beyond the windows' worked examples: inputs that are
// computed as they stand, and steps that fail on the double range or on text.
#include "common/numbers/number_text.h"
#include "common/numbers/general_value.h"
#include "fuel/mass_balance.h"

#include <gtest/gtest.h>
#include <functional>

using namespace corvalen;

namespace {

struct Case
{
    const char *name;
    std::function<GeneralValue()> result;
    QStringView pattern;
    QString shown;
};

TEST(MassBalance, InputsAreComputedAsTheyStandAndFailuresShowTheDot)
{
    const Case cases[] = {
        {"efficiency above 100 gives a negative amount",
         [] { return coalDust({.coalBurnt = "300", .ash = "25", .ashToDust = "20", .combustibles = "30",
                               .dustRemoval = "183.3"}); },
         kCoalDustPattern, "-17850."},
        {"gas shares above 100",
         [] { return gasCarbonMonoxide({.gasBurnt = "300", .incomplete = "2", .carbonMonoxide = "105",
                                        .methane = "95", .otherAlkanes = "0"}); },
         kGasPattern, "15."},
        {"a negative amount of oil",
         [] { return oilSulphurDioxide({.fuelBurnt = "-600", .sulphur = "0.24", .removal = "0"}); }, kFuelOilPattern,
         "-2880."},
        {"grouped digits are a number",
         [] { return coalSulphurDioxide({.fuelBurnt = "1,000", .sulphur = "1", .removal = "0"}); },
         kCoalSulphurPattern, "16000."},
        {"an outcome beyond the double range fails",
         [] { return coalDust({.coalBurnt = "1e307", .ash = "25", .ashToDust = "20", .combustibles = "30",
                               .dustRemoval = "0"}); },
         kCoalDustPattern, "."},
        {"a number with a unit fails",
         [] { return carbonMonoxide({.fuelBurnt = "300", .carbon = "80%", .incomplete = "3"}); },
         kCoalCarbonMonoxidePattern, "."},
        {"blanks alone fail", [] { return coalNitrogenOxides({.coalBurnt = "300", .conversion = "  "}); },
         kCoalNitrogenPattern, "."},
        {"texts are never joined: a lone sign fails",
         [] { return oilNitrogenOxides({.oilBurnt = "600", .nitrogen = "-", .conversion = "40"}); }, kFuelOilPattern,
         "."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ApplyDisplayPattern(c.result(), c.pattern), c.shown) << c.name;
}

} // namespace
