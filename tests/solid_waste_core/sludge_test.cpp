// Settling-tank and sewage-works sludge.
#include "common/numbers/number_text.h"
#include "solid_waste/sludge.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const SettlingTankInput kTank = {.flow = "1500", .inflowSS = "30", .outflowSS = "20", .waterContent = "10",
                                 .density = "300"};

TEST(SettlingTankSludge, VolumeByCase)
{
    struct Case
    {
        const char *name;
        SettlingTankInput input;
        QString shown;
    };
    auto with = [](SettlingTankInput in, QString SettlingTankInput::*field, const char *text) {
        in.*field = QString::fromUtf8(text);
        return in;
    };
    const Case cases[] = {
        {"starting values", kTank, "0.05555556"},
        {"dry sludge", with(kTank, &SettlingTankInput::waterContent, "0"), "0.05"},
        {"empty water content counts as 0", with(kTank, &SettlingTankInput::waterContent, ""), "0.05"},
        {"no flow", with(kTank, &SettlingTankInput::flow, ""), "0"},
        {"outflow above inflow", with(kTank, &SettlingTankInput::outflowSS, "40"), "-0.05555556"},
        {"empty density divides by zero", with(kTank, &SettlingTankInput::density, ""), kInfiniteText.toString()},
        {"water content 100", with(kTank, &SettlingTankInput::waterContent, "100"), kInfiniteText.toString()},
        {"zero over zero", with(with(kTank, &SettlingTankInput::density, "0"), &SettlingTankInput::flow, "0"),
         kUndefinedText.toString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SingleText(settlingTankSludge(c.input)), c.shown) << c.name;
}

const SewageSludgeInput kWorks = {.population = "20000", .gritFactor = "0.009", .primaryFactor = "0.02",
                                  .humusFactor = "0.018", .waterContent = "0"};

TEST(SewageSludge, PressesKeepTheValuesOfFailedSteps)
{
    SewageSludge sludge;
    sludge.press(kWorks);
    // About 0.94: the coefficients' single sum 0.047 falls just short.
    EXPECT_EQ(SingleText(sludge.drySludge), "0.9399999");
    EXPECT_EQ(SingleText(sludge.wetSludge), "0.9399999");

    SewageSludgeInput half = kWorks;
    half.waterContent = "50";
    sludge.press(half);
    EXPECT_EQ(sludge.wetSludge, 2 * sludge.drySludge);

    // No population: G stays, W follows the current P.
    SewageSludgeInput noPopulation = half;
    noPopulation.population = "";
    noPopulation.waterContent = "75";
    sludge.press(noPopulation);
    EXPECT_EQ(SingleText(sludge.drySludge), "0.9399999");
    EXPECT_EQ(sludge.wetSludge, 4 * sludge.drySludge);

    // No water content: W stays.
    const float kept = sludge.wetSludge;
    SewageSludgeInput noWater = kWorks;
    noWater.waterContent = "x";
    noWater.population = "40000";
    sludge.press(noWater);
    EXPECT_EQ(SingleText(sludge.drySludge), "1.88");
    EXPECT_EQ(sludge.wetSludge, kept);

    SewageSludgeInput full = kWorks;
    full.waterContent = "100";
    sludge.press(full);
    EXPECT_EQ(SingleText(sludge.drySludge), "0.9399999");
    EXPECT_EQ(SingleText(sludge.wetSludge), kInfiniteText.toString());
}

TEST(SewageSludge, FirstPressWithAnEmptyFactorCountsItAsZero)
{
    SewageSludge sludge;
    SewageSludgeInput input = kWorks;
    input.gritFactor = "";
    sludge.press(input);
    EXPECT_EQ(SingleText(sludge.factorSum), "0.038");
    // A later empty factor keeps the value of the press before.
    sludge.press(kWorks);
    sludge.press(input);
    EXPECT_EQ(SingleText(sludge.factorSum), "0.047");
}

TEST(SewageSludge, UndefinedWetSludgeWhenNoDrySludge)
{
    SewageSludge sludge;
    SewageSludgeInput input = kWorks;
    input.population = "0";
    input.waterContent = "100";
    sludge.press(input);
    EXPECT_EQ(SingleText(sludge.wetSludge), kUndefinedText.toString());
}

} // namespace
