// Fixed-roof tank losses, open-air storage and untight equipment without a
// window: what the window tests cannot reach easily, namely the factor texts
// beyond the worked boundaries, the failures of each formula, and the values
// a failed open-air step keeps.
#include "common/numbers/number_text.h"
#include "fugitive/fixed_roof_tank.h"
#include "fugitive/open_air_storage.h"
#include "fugitive/untight_equipment.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(FixedRoofTank, FactorTexts)
{
    const std::pair<const char *, const char *> diameters[] = {
        {"3", ".5572"}, {"0", ".0037"}, {"-1", "-.23"}, {"8.99", "1."}, {"a", "."}, {"-1e200", "."}};
    for (const auto &[d, c] : diameters)
        EXPECT_EQ(smallDiameterFactorText(d), QString::fromUtf8(c)) << d;
    const std::pair<const char *, const char *> turnovers[] = {
        {"100", ".45108"}, {"0", "1"}, {"-5", "1"}, {"x", "1"}, {"1e300", "0.26"}};
    for (const auto &[k, kn] : turnovers)
        EXPECT_EQ(fixedRoofTurnoverFactorText(k), QString::fromUtf8(kn)) << k;
}

TEST(FixedRoofTank, LossesAndTheZeroTest)
{
    const FixedRoofTankInputs example{.molecularWeight = "150", .vapourPressure = "10100", .diameter = "10",
                                      .vapourHeight = "0.3", .temperatureRange = "15", .paintFactor = "1.25",
                                      .smallDiameter = "1", .productFactor = "0.65", .turnoverFactor = ".45108"};
    const struct
    {
        const char *name;
        QString FixedRoofTankInputs::*field;
        const char *text;
        bool zeroMessage;
        const char *breathing;
        const char *working;
    } rows[] = {
        {"M written 0.0", &FixedRoofTankInputs::molecularWeight, "0.0", true, ".", "."},
        {"P written 00", &FixedRoofTankInputs::vapourPressure, "00", true, ".", "."},
        {"C shown as a lone point", &FixedRoofTankInputs::smallDiameter, ".", false, ".", ".186031"},
        {"P above 100910", &FixedRoofTankInputs::vapourPressure, "200000", false, ".", "3.68379"},
        {"negative P", &FixedRoofTankInputs::vapourPressure, "-5", false, ".", "-.000092"},
        {"negative H", &FixedRoofTankInputs::vapourHeight, "-0.3", false, ".", ".186031"},
        {"negative ΔT", &FixedRoofTankInputs::temperatureRange, "-15", false, ".", ".186031"},
        {"negative M", &FixedRoofTankInputs::molecularWeight, "-150", false, "-513.959073", "-.186031"},
        {"D^1.73 beyond the double range", &FixedRoofTankInputs::diameter, "1e200", false, ".", ".186031"},
    };
    for (const auto &row : rows) {
        FixedRoofTankInputs in = example;
        if (row.field)
            in.*row.field = QString::fromUtf8(row.text);
        EXPECT_EQ(hasZeroFactor(in), row.zeroMessage) << row.name;
        EXPECT_EQ(ApplyDisplayPattern(fixedRoofBreathingLoss(in), kFixedRoofLossPattern), row.breathing) << row.name;
        EXPECT_EQ(ApplyDisplayPattern(fixedRoofWorkingLoss(in), kFixedRoofLossPattern), row.working) << row.name;
    }
    // A text that is no number skips the zero test, also beside a zero.
    FixedRoofTankInputs in = example;
    in.molecularWeight = "0";
    in.diameter = "";
    EXPECT_FALSE(hasZeroFactor(in));
}

const OpenAirStorageInputs kBenzene{.windSpeed = "0.5", .area = "10", .molecularWeight = "78", .temperature = "20",
                                    .constantA = "34172", .constantB = "7.962"};

// Each row presses with the benzene inputs, then once more with one box
// changed; a failing step keeps what the first press left.
TEST(OpenAirStorage, FailedStepsKeepTheirValues)
{
    const struct
    {
        const char *name;
        QString OpenAirStorageInputs::*field;
        const char *text;
        const char *amount;
        float exponent;
    } rows[] = {
        {"M negative: G kept", &OpenAirStorageInputs::molecularWeight, "-78", "48703.07", 1.8705202f},
        {"t + 273 = 0: B added to the kept E", &OpenAirStorageInputs::temperature, "-273", "4.462278E+12", 9.8325205f},
        {"u empty: W kept", &OpenAirStorageInputs::windSpeed, "", "48703.07", 1.8705202f},
        {"10^E beyond the single range: PH kept", &OpenAirStorageInputs::constantB, "60", "48703.07", 53.908520f},
    };
    for (const auto &row : rows) {
        OpenAirStorage storage;
        storage.press(kBenzene);
        const float windTerm = storage.windTerm;
        OpenAirStorageInputs in = kBenzene;
        if (row.field)
            in.*row.field = QString::fromUtf8(row.text);
        storage.press(in);
        EXPECT_EQ(SingleText(storage.amount), row.amount) << row.name;
        EXPECT_FLOAT_EQ(storage.exponent, row.exponent) << row.name;
        EXPECT_EQ(storage.windTerm, windTerm) << row.name;
    }
}

TEST(UntightEquipment, Failures)
{
    const struct
    {
        const char *name;
        UntightEquipmentInputs in;
        const char *shown;
    } rows[] = {
        {"T not a number: 0 °C", {"20", "1.5", "0.169", "34", "hot"}, "1.78923"},
        {"T below -273: negative radicand", {"20", "1.5", "0.169", "34", "-300"}, "0"},
        {"both M and T + 273 negative", {"20", "1.5", "0.169", "-34", "-300"}, "5.689388"},
        {"V beyond the single range", {"1e39", "1.5", "0.169", "34", "100"}, "0"},
        {"Gc beyond the single range", {"3e38", "2", "2", "34", "100"}, "0"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(SingleText(untightEquipmentLeak(row.in)), row.shown) << row.name;
}

} // namespace
