// Fixed-roof tank losses, open-air storage and untight equipment without a
// window: the worked examples to their shown digits, the factor boundaries,
// and which failures keep or drop a value.
#include "common/number_text.h"
#include "fugitive/fixed_roof_tank.h"
#include "fugitive/open_air_storage.h"
#include "fugitive/untight_equipment.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(FixedRoofTank, SmallDiameterFactorByDiameter)
{
    const struct
    {
        const char *diameter;
        const char *shown;
    } rows[] = {
        {"10", "1"},    {"9", "1"},        {"5", ".8032"},  {"3", ".5572"},  {"0", ".0037"},
        {"-1", "-.23"}, {"8.99", "1."},    {"", "."},       {"a", "."},      {"-1e200", "."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(smallDiameterFactorText(row.diameter), QString::fromUtf8(row.shown)) << row.diameter;
}

TEST(FixedRoofTank, TurnoverFactorByTurnovers)
{
    const struct
    {
        const char *turnovers;
        const char *shown;
    } rows[] = {
        {"36", "1"},       {"36.5", ".91576"}, {"100", ".45108"}, {"220", ".25922"}, {"221", "0.26"},
        {"0", "1"},        {"-5", "1"},        {"", "1"},         {"x", "1"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(turnoverFactorText(row.turnovers), QString::fromUtf8(row.shown)) << row.turnovers;
}

FixedRoofTankInputs example()
{
    return {.molecularWeight = "150", .vapourPressure = "10100", .diameter = "10", .vapourHeight = "0.3",
            .temperatureRange = "15", .paintFactor = "1.25", .smallDiameter = "1", .productFactor = "0.65",
            .turnoverFactor = ".45108"};
}

TEST(FixedRoofTank, LossesAndTheZeroTest)
{
    const struct
    {
        const char *name;
        QString FixedRoofTankInputs::*field;
        const char *text;
        bool zeroMessage;
        const char *breathing;
        const char *working;
    } rows[] = {
        {"worked example", nullptr, "", false, "513.959073", ".186031"},
        {"KN 1", &FixedRoofTankInputs::turnoverFactor, "1", false, "513.959073", ".412413"},
        {"other liquids", &FixedRoofTankInputs::productFactor, "1", false, "790.706266", ".286202"},
        {"M 0", &FixedRoofTankInputs::molecularWeight, "0", true, ".", "."},
        {"M written 0.0", &FixedRoofTankInputs::molecularWeight, "0.0", true, ".", "."},
        {"P 0", &FixedRoofTankInputs::vapourPressure, "00", true, ".", "."},
        {"KN 0", &FixedRoofTankInputs::turnoverFactor, "0", true, "513.959073", "."},
        {"D empty", &FixedRoofTankInputs::diameter, "", false, ".", ".186031"},
        {"C shown as a lone point", &FixedRoofTankInputs::smallDiameter, ".", false, ".", ".186031"},
        {"P 100910 divides by zero", &FixedRoofTankInputs::vapourPressure, "100910", false, ".", "1.858656"},
        {"P above 100910", &FixedRoofTankInputs::vapourPressure, "200000", false, ".", "3.68379"},
        {"negative P", &FixedRoofTankInputs::vapourPressure, "-5", false, ".", "-.000092"},
        {"negative H", &FixedRoofTankInputs::vapourHeight, "-0.3", false, ".", ".186031"},
        {"negative M", &FixedRoofTankInputs::molecularWeight, "-150", false, "-513.959073", "-.186031"},
        {"D^1.73 beyond the double range", &FixedRoofTankInputs::diameter, "1e200", false, ".", ".186031"},
    };
    for (const auto &row : rows) {
        FixedRoofTankInputs in = example();
        if (row.field)
            in.*row.field = QString::fromUtf8(row.text);
        EXPECT_EQ(hasZeroFactor(in), row.zeroMessage) << row.name;
        EXPECT_EQ(ApplyDisplayPattern(fixedRoofBreathingLoss(in), kFixedRoofLossPattern), row.breathing) << row.name;
        EXPECT_EQ(ApplyDisplayPattern(fixedRoofWorkingLoss(in), kFixedRoofLossPattern), row.working) << row.name;
    }
}

TEST(FixedRoofTank, ZeroTestIsSkippedWhenAnyFactorIsNoNumber)
{
    FixedRoofTankInputs in = example();
    in.molecularWeight = "0";
    in.diameter = "";
    EXPECT_FALSE(hasZeroFactor(in));
}

OpenAirStorageInputs benzene()
{
    return {.windSpeed = "0.5", .area = "10", .molecularWeight = "78", .temperature = "20", .constantA = "34172",
            .constantB = "7.962"};
}

TEST(OpenAirStorage, BenzeneFromTheNote)
{
    OpenAirStorage storage;
    storage.press(benzene());
    EXPECT_EQ(SingleText(storage.amount), "48703.07");
    EXPECT_FLOAT_EQ(storage.exponent, 1.8705202f);
    EXPECT_FLOAT_EQ(storage.windTerm, 7.43f);

    OpenAirStorageInputs still = benzene();
    still.windSpeed = "0";
    still.area = "1";
    storage.press(still);
    EXPECT_EQ(SingleText(storage.amount), "3526.548");
}

TEST(OpenAirStorage, FirstPressWithEveryBoxEmpty)
{
    OpenAirStorage storage;
    storage.press({});
    EXPECT_EQ(storage.exponent, 0);
    EXPECT_EQ(storage.vapourPressure, 1);
    EXPECT_EQ(storage.windTerm, 0);
    EXPECT_EQ(SingleText(storage.amount), "0");
}

// Each row presses once with the benzene inputs, then once more with one box
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
        {"F empty: G kept", &OpenAirStorageInputs::area, "", "48703.07", 1.8705202f},
        {"M empty: G kept", &OpenAirStorageInputs::molecularWeight, ".", "48703.07", 1.8705202f},
        {"M negative: G kept", &OpenAirStorageInputs::molecularWeight, "-78", "48703.07", 1.8705202f},
        {"B empty: E without B", &OpenAirStorageInputs::constantB, "", "0.0005315649", -6.0914798f},
        {"A empty: B added to the kept E again", &OpenAirStorageInputs::constantA, "", "4.462278E+12", 9.8325205f},
        {"t + 273 = 0: B added to the kept E again", &OpenAirStorageInputs::temperature, "-273", "4.462278E+12",
         9.8325205f},
        {"u empty: W kept", &OpenAirStorageInputs::windSpeed, "", "48703.07", 1.8705202f},
    };
    for (const auto &row : rows) {
        OpenAirStorage storage;
        storage.press(benzene());
        OpenAirStorageInputs in = benzene();
        in.*row.field = QString::fromUtf8(row.text);
        storage.press(in);
        EXPECT_EQ(SingleText(storage.amount), row.amount) << row.name;
        EXPECT_FLOAT_EQ(storage.exponent, row.exponent) << row.name;
    }
}

TEST(OpenAirStorage, PowerBeyondTheSingleRangeKeepsTheVapourPressure)
{
    OpenAirStorage storage;
    storage.press(benzene());
    const float kept = storage.vapourPressure;
    OpenAirStorageInputs in = benzene();
    in.constantB = "60";
    storage.press(in);
    EXPECT_FLOAT_EQ(storage.exponent, 53.908520f);
    EXPECT_EQ(storage.vapourPressure, kept);
    EXPECT_EQ(SingleText(storage.amount), "48703.07");
}

TEST(UntightEquipment, LeakByInputs)
{
    const UntightEquipmentInputs atOpen{.volume = "20", .safetyFactor = "1.5", .coefficient = "0.169",
                                        .molecularWeight = "34", .temperature = "100"};
    const struct
    {
        const char *name;
        QString UntightEquipmentInputs::*field;
        const char *text;
        const char *shown;
    } rows[] = {
        {"texts at open", nullptr, "", "1.53071"},
        {"V empty", &UntightEquipmentInputs::volume, "", "0"},
        {"T empty: 0 °C", &UntightEquipmentInputs::temperature, "", "1.78923"},
        {"T not a number: 0 °C", &UntightEquipmentInputs::temperature, "hot", "1.78923"},
        {"C 0.24", &UntightEquipmentInputs::coefficient, "0.24", "2.17379"},
        {"T -273 divides by zero", &UntightEquipmentInputs::temperature, "-273", "0"},
        {"T below -273: negative radicand", &UntightEquipmentInputs::temperature, "-300", "0"},
        {"V beyond the single range", &UntightEquipmentInputs::volume, "1e39", "0"},
    };
    for (const auto &row : rows) {
        UntightEquipmentInputs in = atOpen;
        if (row.field)
            in.*row.field = QString::fromUtf8(row.text);
        EXPECT_EQ(SingleText(untightEquipmentLeak(in)), row.shown) << row.name;
    }
    UntightEquipmentInputs huge = atOpen;
    huge.volume = "3e38";
    huge.safetyFactor = "2";
    huge.coefficient = "2";
    EXPECT_EQ(SingleText(untightEquipmentLeak(huge)), "0") << "Gc beyond the single range";
    // Both signs negative: the radicand is positive again.
    UntightEquipmentInputs cold = atOpen;
    cold.molecularWeight = "-34";
    cold.temperature = "-300";
    EXPECT_EQ(SingleText(untightEquipmentLeak(cold)), "5.689388");
}

} // namespace
