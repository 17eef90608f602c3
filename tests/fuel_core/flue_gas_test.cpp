// The flue-gas calculator through its presses: each case starts from a fresh
// calculator (window-level values zero) and runs its presses in order.
#include "common/number_text.h"
#include "fuel/flue_gas.h"

#include <gtest/gtest.h>
#include <vector>

using namespace corvalen;

namespace {

const QString kSolid = QStringLiteral("固体燃料");
const QString kLiquid = QStringLiteral("液体燃料");
const QString kGas = QStringLiteral("气体燃料");
const QString kNaturalGas = QStringLiteral("天燃气");

struct Press
{
    FlueGasInputs inputs;
    QString perKg;     // the text of Vy
    QString perTonne;  // the text of Vy × 1000
    bool matched = true;
};

struct Case
{
    const char *name;
    std::vector<Press> presses;
};

TEST(FlueGas, PressesShowTheBranchOfTheChosenFuel)
{
    const Case cases[] = {
        {"solid, worked example: V0 1.51, Vy 0.89 + 1.65 + 0.5 × 1.51",
         {{{kSolid, "4187", "1.4", "0.1"}, "3.295", "3295"}}},
        {"solid, all boxes empty on the first press", {{{kSolid, "", "", ""}, "1.15", "1150"}}},
        {"liquid", {{{kLiquid, "41870", "1.2", "0.1"}, "14.25", "14250"}}},
        {"gas at 12561 takes the rich row", {{{kGas, "12561", "1.1", "0.1"}, "4.274", "4274"}}},
        {"gas just below 12561 takes the lean row", {{{kGas, "12560.99", "1.1", "0.1"}, "3.699998", "3699.998"}}},
        {"natural gas at 34543 takes the rich row", {{{kNaturalGas, "34543", "1.1", "0.5"}, "11.0487", "11048.7"}}},
        {"natural gas below 34543: α0 × V0 + 1, Δα left out",
         {{{kNaturalGas, "34542", "1.1", "0.5"}, "11.04966", "11049.66"}}},
        {"negative Q computes like any other", {{{kSolid, "-4187", "1.4", "0.1"}, "0.505", "505"}}},

        {"no fuel on the first press shows the zeros", {{{"", "4187", "1.4", "0.1"}, "0", "0", false}}},
        {"a typed text that only resembles an item", {{{kSolid + " ", "4187", "1.4", "0.1"}, "0", "0", false}}},
        {"no fuel after a press shows the values held",
         {{{kSolid, "4187", "1.4", "0.1"}, "3.295", "3295"}, {{"", "100", "1", "1"}, "3.295", "3295", false}}},
        {"Q emptied keeps its value",
         {{{kSolid, "4187", "1.4", "0.1"}, "3.295", "3295"}, {{kSolid, "", "1.4", "0.1"}, "3.295", "3295"}}},
        {"α0 and Δα not numbers keep theirs",
         {{{kSolid, "4187", "1.4", "0.1"}, "3.295", "3295"}, {{kSolid, "4187", "abc", "1e39"}, "3.295", "3295"}}},
        {"Q beyond the single range is no number", {{{kSolid, "1e39", "", ""}, "1.15", "1150"}}},
        {"natural gas sets Δα to 0 for the next fuel",
         {{{kNaturalGas, "34542", "1.1", "0.5"}, "11.04966", "11049.66"},
          {{kSolid, "4187", "1.4", ""}, "3.144", "3144"}}},
        {"Vy beyond the single range is infinity",
         {{{kSolid, "3e38", "3e38", ""}, kInfiniteText.toString(), kInfiniteText.toString()}}},
        {"Vy × 1000 alone beyond the single range",
         {{{kNaturalGas, "0", "3e38", ""}, "6E+36", kInfiniteText.toString()}}},
    };
    for (const Case &c : cases) {
        FlueGasCalculator calculator;
        int step = 0;
        for (const Press &p : c.presses) {
            const FlueGasPress outcome = calculator.press(p.inputs);
            EXPECT_EQ(outcome.fuelMatched, p.matched) << c.name << ", press " << step;
            EXPECT_EQ(SingleText(calculator.flueGasPerKg), p.perKg) << c.name << ", press " << step;
            EXPECT_EQ(SingleText(calculator.flueGasPerTonne()), p.perTonne) << c.name << ", press " << step;
            ++step;
        }
    }
}

TEST(FlueGas, OnlyNaturalGasZeroesTheLeakage)
{
    for (const auto &item : kFlueGasFuelItems) {
        FlueGasCalculator calculator;
        const FlueGasPress outcome = calculator.press({item.text.toString(), "34543", "1.1", "0.5"});
        const bool naturalGas = item.fuel == FlueGasFuel::NaturalGas;
        EXPECT_EQ(outcome.leakageZeroed, naturalGas);
        EXPECT_EQ(calculator.airLeakage, naturalGas ? 0.0f : 0.5f);
    }
}

} // namespace
