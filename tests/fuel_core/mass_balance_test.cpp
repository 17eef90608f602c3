// The mass-balance results as their windows show them: each row gives the
// input texts and the pattern text of the result.
#include "common/number_text.h"
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

void check(const Case &c)
{
    EXPECT_EQ(ApplyDisplayPattern(c.result(), c.pattern), c.shown) << c.name;
}

// The design-time inputs of the three windows.
const CoalDustInputs kCoalDust = {.coalBurnt = "300", .ash = "25", .ashToDust = "20", .combustibles = "30",
                                  .dustRemoval = "83.3"};
const SulphurDioxideInputs kCoalSulphur = {.fuelBurnt = "300", .sulphur = "0.24", .removal = "90"};
const CarbonMonoxideInputs kCoalCarbon = {.fuelBurnt = "300", .carbon = "80", .incomplete = "3"};
const CoalNitrogenInputs kCoalNitrogen = {.coalBurnt = "300", .conversion = "50"};

const SulphurDioxideInputs kOilSulphur = {.fuelBurnt = "600", .sulphur = "0.24", .removal = "0"};
const CarbonMonoxideInputs kOilCarbon = {.fuelBurnt = "600", .carbon = "90", .incomplete = "2"};
const OilNitrogenInputs kOilNitrogen = {.oilBurnt = "600", .nitrogen = "0.14", .conversion = "40"};

const GasSulphurDioxideInputs kGasSulphur = {.gasBurnt = "300", .hydrogenSulphide = "0.05"};
const GasCarbonMonoxideInputs kGasCarbon = {.gasBurnt = "300", .incomplete = "2", .carbonMonoxide = "5",
                                            .methane = "95", .otherAlkanes = "0"};

template <class In, class Change>
In with(In in, Change change)
{
    change(in);
    return in;
}

TEST(MassBalance, Coal)
{
    const Case cases[] = {
        {"dust, design inputs: 300000 × 0.25 × 0.2 × 0.167 ÷ 0.7", [] { return coalDust(kCoalDust); },
         kCoalDustPattern, "3578.57"},
        {"SO2 applies the removal", [] { return coalSulphurDioxide(kCoalSulphur); }, kCoalSulphurPattern, "115.2"},
        {"SO2 without removal", [] { return coalSulphurDioxide(with(kCoalSulphur, [](auto &i) { i.removal = "0"; })); },
         kCoalSulphurPattern, "1152."},
        {"CO, a whole number keeps the point", [] { return carbonMonoxide(kCoalCarbon); }, kCoalCarbonMonoxidePattern,
         "16776."},
        {"NOx", [] { return coalNitrogenOxides(kCoalNitrogen); }, kCoalNitrogenPattern, "4126.18"},
        {"efficiency above 100 gives a negative amount",
         [] { return coalDust(with(kCoalDust, [](auto &i) { i.dustRemoval = "183.3"; })); }, kCoalDustPattern,
         "-17850."},

        {"dust, B empty", [] { return coalDust(with(kCoalDust, [](auto &i) { i.coalBurnt = ""; })); },
         kCoalDustPattern, "."},
        {"SO2, B empty", [] { return coalSulphurDioxide(with(kCoalSulphur, [](auto &i) { i.fuelBurnt = ""; })); },
         kCoalSulphurPattern, "."},
        {"CO, B empty", [] { return carbonMonoxide(with(kCoalCarbon, [](auto &i) { i.fuelBurnt = ""; })); },
         kCoalCarbonMonoxidePattern, "."},
        {"NOx, B empty", [] { return coalNitrogenOxides(with(kCoalNitrogen, [](auto &i) { i.coalBurnt = ""; })); },
         kCoalNitrogenPattern, "."},
        {"dust, B 0", [] { return coalDust(with(kCoalDust, [](auto &i) { i.coalBurnt = "0"; })); }, kCoalDustPattern,
         "."},
        {"NOx, B 0", [] { return coalNitrogenOxides(with(kCoalNitrogen, [](auto &i) { i.coalBurnt = "0"; })); },
         kCoalNitrogenPattern, "."},
        {"dust, Cfh empty", [] { return coalDust(with(kCoalDust, [](auto &i) { i.combustibles = ""; })); },
         kCoalDustPattern, "."},
        {"dust, Cfh 100 divides by zero", [] { return coalDust(with(kCoalDust, [](auto &i) { i.combustibles = "100"; })); },
         kCoalDustPattern, "."},
        {"dust, B beyond the double range", [] { return coalDust(with(kCoalDust, [](auto &i) { i.coalBurnt = "1e307"; })); },
         kCoalDustPattern, "."},
        {"CO, a number with a unit", [] { return carbonMonoxide(with(kCoalCarbon, [](auto &i) { i.carbon = "80%"; })); },
         kCoalCarbonMonoxidePattern, "."},
    };
    for (const Case &c : cases)
        check(c);
}

TEST(MassBalance, FuelOil)
{
    const Case cases[] = {
        {"SO2, design inputs", [] { return oilSulphurDioxide(kOilSulphur); }, kFuelOilPattern, "2880."},
        {"CO, design inputs", [] { return carbonMonoxide(kOilCarbon); }, kFuelOilPattern, "25164."},
        {"NOx, design inputs", [] { return oilNitrogenOxides(kOilNitrogen); }, kFuelOilPattern, "1465.04"},
        {"CO with C 80", [] { return carbonMonoxide(with(kOilCarbon, [](auto &i) { i.carbon = "80"; })); },
         kFuelOilPattern, "22368."},
        {"SO2, removal 100", [] { return oilSulphurDioxide(with(kOilSulphur, [](auto &i) { i.removal = "100"; })); },
         kFuelOilPattern, "."},
        {"NOx, N empty", [] { return oilNitrogenOxides(with(kOilNitrogen, [](auto &i) { i.nitrogen = ""; })); },
         kFuelOilPattern, "."},
        {"SO2, B empty", [] { return oilSulphurDioxide(with(kOilSulphur, [](auto &i) { i.fuelBurnt = ""; })); },
         kFuelOilPattern, "."},
        {"NOx, B empty", [] { return oilNitrogenOxides(with(kOilNitrogen, [](auto &i) { i.oilBurnt = ""; })); },
         kFuelOilPattern, "."},
    };
    for (const Case &c : cases)
        check(c);
}

TEST(MassBalance, GaseousFuel)
{
    const Case cases[] = {
        {"SO2, design inputs: no zero before the point", [] { return gasSulphurDioxide(kGasSulphur); }, kGasPattern,
         ".43"},
        {"CO, design inputs", [] { return gasCarbonMonoxide(kGasCarbon); }, kGasPattern, "7.5"},
        {"CO, other alkanes count thirteen times",
         [] { return gasCarbonMonoxide(with(kGasCarbon, [](auto &i) { i.otherAlkanes = "2"; })); }, kGasPattern, "9.45"},
        {"SO2, CH2S 1", [] { return gasSulphurDioxide(with(kGasSulphur, [](auto &i) { i.hydrogenSulphide = "1"; })); },
         kGasPattern, "8.57"},
        {"CO, VCmHn empty", [] { return gasCarbonMonoxide(with(kGasCarbon, [](auto &i) { i.otherAlkanes = ""; })); },
         kGasPattern, "."},
        {"SO2, V empty", [] { return gasSulphurDioxide(with(kGasSulphur, [](auto &i) { i.gasBurnt = ""; })); },
         kGasPattern, "."},
        {"CO, V empty", [] { return gasCarbonMonoxide(with(kGasCarbon, [](auto &i) { i.gasBurnt = ""; })); },
         kGasPattern, "."},
        {"SO2, V 0", [] { return gasSulphurDioxide(with(kGasSulphur, [](auto &i) { i.gasBurnt = "0"; })); },
         kGasPattern, "."},
        {"CO, V 0", [] { return gasCarbonMonoxide(with(kGasCarbon, [](auto &i) { i.gasBurnt = "0"; })); },
         kGasPattern, "."},
        {"CO, shares above 100 computed as they stand",
         [] { return gasCarbonMonoxide(with(kGasCarbon, [](auto &i) { i.carbonMonoxide = "105"; })); }, kGasPattern,
         "15."},
    };
    for (const Case &c : cases)
        check(c);
}

} // namespace
