// Boiler slag and fly ash: the worked example, failing steps that count as
// 0, and the floored kilograms.
#include "solid_waste/boiler_ash.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const BoilerAshInput kStart = {.coal = "300", .ash = "25", .sootShare = "20", .sootCombustible = "30",
                               .efficiency = "90", .slagCombustible = "17.5"};

BoilerAshInput with(BoilerAshInput input, QString BoilerAshInput::*field, const QString &text)
{
    input.*field = text;
    return input;
}

struct Shown
{
    QString slag, flyAsh, total;
};

Shown shown(const BoilerAshInput &input)
{
    const BoilerAsh ash = boilerAsh(input);
    return {*kilogramText(ash.slag), *kilogramText(ash.flyAsh), *kilogramText(ash.slag + ash.flyAsh)};
}

TEST(BoilerAsh, ResultsByCase)
{
    struct Case
    {
        const char *name;
        BoilerAshInput input;
        Shown expected;
    };
    const Case cases[] = {
        {"starting values", kStart, {"72727", "19285", "92012"}},
        {"no coal", with(kStart, &BoilerAshInput::coal, ""), {"0", "0", "0"}},
        {"ash no number", with(kStart, &BoilerAshInput::ash, "a"), {"0", "0", "0"}},
        {"dfh empty", with(kStart, &BoilerAshInput::sootShare, ""), {"0", "0", "0"}},
        {"dfh 100: no slag", with(kStart, &BoilerAshInput::sootShare, "100"), {"0", "96428", "96428"}},
        {"dfh 0: no fly ash", with(kStart, &BoilerAshInput::sootShare, "0"), {"90909", "0", "90909"}},
        {"Ciz 100 divides by zero", with(kStart, &BoilerAshInput::slagCombustible, "100"), {"0", "19285", "19285"}},
        {"Ciz empty", with(kStart, &BoilerAshInput::slagCombustible, ""), {"0", "19285", "19285"}},
        {"Cfh 100", with(kStart, &BoilerAshInput::sootCombustible, "100"), {"72727", "0", "72727"}},
        {"efficiency empty", with(kStart, &BoilerAshInput::efficiency, ""), {"72727", "0", "72727"}},
        {"percentages beyond 100 are used", with(kStart, &BoilerAshInput::sootShare, "120"),
         {"-18182", "115714", "97532"}},
    };
    for (const Case &c : cases) {
        const Shown s = shown(c.input);
        EXPECT_EQ(s.slag, c.expected.slag) << c.name;
        EXPECT_EQ(s.flyAsh, c.expected.flyAsh) << c.name;
        EXPECT_EQ(s.total, c.expected.total) << c.name;
    }
}

TEST(BoilerAsh, KilogramsAreFlooredAndTheTotalFromTheUnroundedSum)
{
    EXPECT_EQ(*kilogramText(0.0006), "0");
    EXPECT_EQ(*kilogramText(0.0006 + 0.0006), "1");
    EXPECT_EQ(*kilogramText(-0.0004), "-1");
    EXPECT_EQ(*kilogramText(72.7279), "72727");
    EXPECT_FALSE(kilogramText(1E306).has_value());
}

} // namespace
