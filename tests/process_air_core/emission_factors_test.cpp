// The emission-factor calculators without their windows: each row is a run
// of presses on a fresh calculator, and the text the result box would show
// after the last one.
#include "common/numbers/number_text.h"
#include "process_air/emission_factors.h"
#include "process_air/foundry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace corvalen;

namespace {

std::string shown(float emission)
{
    return SingleText(emission).toStdString();
}

// The incinerator window's design texts: η 90 %, 2000 t of refuse.
IncineratorInputs incinerator(QString mode, QString furnace, QString refuse = {}, QString pollutant = {},
                              QString efficiency = QStringLiteral("90"), QString amount = QStringLiteral("2000"))
{
    return {mode, furnace, refuse, pollutant, efficiency, amount};
}

const QString kFurnaceMode = QStringLiteral("焚烧炉焚烧");
const QString kOpen = QStringLiteral("露天焚烧");

TEST(EmissionFactors, Incinerator)
{
    const IncineratorInputs cityFurnace = incinerator(kFurnaceMode, QStringLiteral("城市系统多室炉"));
    const struct {
        const char *name;
        std::vector<IncineratorInputs> presses;
        const char *shown;
        bool printsQ;  // the last press writes "q=" on the window
    } cases[] = {
        {"city multi-chamber furnace", {cityFurnace}, "1542", false},
        {"commercial single chamber prints q=",
         {incinerator(kFurnaceMode, QStringLiteral("商业系统单室炉"))}, "908", true},
        {"household furnace prints q=", {incinerator(kFurnaceMode, QStringLiteral("家用焚烧炉"))}, "1360", true},
        {"q= also when the amount is no number",
         {cityFurnace, incinerator(kFurnaceMode, QStringLiteral("家用焚烧炉"), {}, {}, "90", "abc")}, "1542", true},
        {"open burning, urban refuse, CO",
         {incinerator(kOpen, {}, QStringLiteral("城市垃圾"), QStringLiteral("一氧化碳"))}, "77120", false},
        {"open burning, farm refuse, formaldehyde",
         {incinerator(kOpen, {}, QStringLiteral("农业垃圾"), QStringLiteral("甲醛"))}, "10", false},
        {"open burning ignores furnace and efficiency",
         {incinerator(kOpen, QStringLiteral("家用焚烧炉"), QStringLiteral("城市垃圾"), QStringLiteral("烟尘"), "x")},
         "14520", false},
        {"no mode chosen keeps E", {cityFurnace, incinerator({}, QStringLiteral("城市系统多室炉"))}, "1542", false},
        {"no mode on the first press", {incinerator({}, {})}, "0", false},
        {"unknown furnace gives 0", {cityFurnace, incinerator(kFurnaceMode, {})}, "0", false},
        {"efficiency of 100 %", {incinerator(kFurnaceMode, QStringLiteral("城市系统多室炉"), {}, {}, "100")}, "0", false},
        {"efficiency above 100 %",
         {incinerator(kFurnaceMode, QStringLiteral("城市系统多室炉"), {}, {}, "110")}, "-1542", false},
        {"refuse kind but no pollutant gives 0",
         {cityFurnace, incinerator(kOpen, {}, QStringLiteral("城市垃圾"), {})}, "0", false},
        {"neither refuse kind nor pollutant keeps E", {cityFurnace, incinerator(kOpen, {}, {}, {})}, "1542", false},
        {"a typed item with a blank counts as no item",
         {cityFurnace, incinerator(kOpen, {}, QStringLiteral("城市垃圾 "), QStringLiteral("烟尘"))}, "1542", false},
        {"0 × ∞ has no value and keeps E",
         {cityFurnace, incinerator(kFurnaceMode, QStringLiteral("城市系统多室炉"), {}, {}, "100", "1e308")}, "1542",
         false},
        {"0 × ∞ on the first press keeps the 0 E starts with",
         {incinerator(kFurnaceMode, QStringLiteral("家用焚烧炉"), {}, {}, "100", "1e308")}, "0", true},
        {"efficiency below 100 % with an overflowing amount stores infinity",
         {incinerator(kFurnaceMode, QStringLiteral("城市系统多室炉"), {}, {}, "90", "1e308")}, "无穷大", false},
        {"product beyond the single range",
         {incinerator(kOpen, {}, QStringLiteral("城市垃圾"), QStringLiteral("烟尘"), {}, "1E38")},
         "无穷大", false},
    };
    for (const auto &c : cases) {
        Incinerator calculator;
        bool printsQ = false;
        for (const IncineratorInputs &in : c.presses)
            printsQ = calculator.press(in);
        EXPECT_EQ(shown(calculator.emission), c.shown) << c.name;
        EXPECT_EQ(printsQ, c.printsQ) << c.name;
    }
}

TEST(EmissionFactors, ModeSwitchHidesFurnaceOnlyForOpenBurning)
{
    EXPECT_FALSE(incineratorShowsFurnace(kOpen));
    EXPECT_TRUE(incineratorShowsFurnace(kFurnaceMode));
    EXPECT_TRUE(incineratorShowsFurnace(QString()));
    EXPECT_TRUE(incineratorShowsFurnace(QStringLiteral("露天")));
}

TEST(EmissionFactors, SingleFactorCalculators)
{
    struct Press
    {
        QString list;
        QString amount;
        QString coefficient;
    };
    const QString wheat = QStringLiteral("小麦风选器（除壳）");
    const QString rotary = QStringLiteral("回转窑");
    const QString shaft = QStringLiteral("竖型窑");
    const struct {
        const char *name;
        const char *window;
        std::vector<Press> presses;
        const char *shown;
    } cases[] = {
        {"barley mill", "feed", {{QStringLiteral("大麦磨粉机"), "100", {}}}, "141"},
        {"no plant chosen gives 0", "feed", {{wheat, "100", {}}, {{}, "100", {}}}, "0"},
        {"half-width brackets are no item", "feed", {{wheat, "100", {}}, {QStringLiteral("小麦风选器(除壳)"), "100", {}}}, "0"},
        {"empty amount keeps E", "feed", {{wheat, "100", {}}, {wheat, {}, {}}}, "9.1"},
        {"cotton gin, empty amount first", "cotton", {{{}, "", {}}}, "0"},
        {"glass making", "glass", {{{}, "100", {}}}, "91"},
        {"glass making keeps E on a bad amount", "glass", {{{}, "100", {}}, {{}, "1e", {}}}, "91"},
        {"shaft kiln ignores the coefficient", "lime", {{shaft, "100", "15"}}, "1"},
        {"rotary kiln, empty coefficient keeps E", "lime", {{shaft, "100", ""}, {rotary, "100", ""}}, "1"},
        {"no kiln chosen gives 0", "lime", {{rotary, "100", "10"}, {{}, "100", "10"}}, "0"},
        {"a product beyond the single range is infinite", "feed", {{QStringLiteral("秸杆粉干燥器"), "3E38", {}}},
         "无穷大"},
        {"rotary kiln beyond the single range", "lime", {{rotary, "3E38", "400"}}, "无穷大"},
    };
    for (const auto &c : cases) {
        FeedMill feed;
        CottonGin cotton;
        GlassRawMaterial glassRaw;
        GlassMaking glass;
        LimeKilnDust lime;
        const std::string window = c.window;
        float emission = 0;
        for (const Press &p : c.presses) {
            if (window == "feed") {
                feed.press({.plant = p.list, .amount = p.amount});
                emission = feed.emission;
            } else if (window == "cotton") {
                cotton.press({.amount = p.amount});
                emission = cotton.emission;
            } else if (window == "glassRaw") {
                glassRaw.press({.amount = p.amount});
                emission = glassRaw.emission;
            } else if (window == "glass") {
                glass.press({.amount = p.amount});
                emission = glass.emission;
            } else {
                lime.press({.kiln = p.list, .coefficient = p.coefficient, .amount = p.amount});
                emission = lime.emission;
            }
        }
        EXPECT_EQ(shown(emission), c.shown) << c.name;
    }
}

TEST(Foundry, BlocksOverwriteAndReportMissingFactors)
{
    const struct {
        const char *name;
        FoundryInputs in;
        float before;  // E left by earlier presses
        const char *shown;
        int messages;
    } cases[] = {
        {"flux plant, a whole number", {.aluminium = {"加融剂的工厂", "无防治措施"}, .amount = "100"}, 0, "45390", 0},
        {"brass electric furnace", {.brass = {"电炉", "袋室除尘"}, .amount = "100"}, 0, "26", 0},
        {"lead reverberatory", {.lead = {"反射炉或旧铅炉", "无防治措施"}, .amount = "100"}, 0, "6985", 0},
        {"grey iron induction furnace", {.greyIron = {"通用", "感应电炉"}, .amount = "100"}, 0, "91", 0},
        {"zinc overwrites aluminium",
         {.aluminium = {"坩锅炉", "无防治措施"}, .zinc = {"镀锌炉", "无防治措施"}, .amount = "100"}, 0, "240", 0},
        {"steel, second copy of an item", {.steel = {"弧型炉", "袋室除尘"}, .amount = "100"}, 0, "64", 0},
        {"no factor for the pair", {.aluminium = {"坩锅炉", "袋室除尘"}, .amount = "100"}, 7, "7", 1},
        {"no factor: scrap furnace with electrostatic", {.aluminium = {"废铝处理炉", "电除尘"}, .amount = "100"}, 0, "0", 1},
        {"two blocks without factor",
         {.aluminium = {"反射炉", ""}, .steel = {"感应炉", "电吸尘器"}, .amount = "100"}, 5, "5", 2},
        {"a factor and a missing one",
         {.aluminium = {"坩锅炉", "无防治措施"}, .brass = {"电炉", "电除尘"}, .amount = "100"}, 0, "86", 1},
        {"empty amount keeps E silently", {.aluminium = {"坩锅炉", "无防治措施"}, .amount = ""}, 12, "12", 0},
        {"unknown furnace ignored", {.aluminium = {"坩锅炉 ", "无防治措施"}, .amount = "100"}, 3, "3", 0},
        {"nothing chosen", {.amount = "100"}, 240, "240", 0},
        {"a product beyond the single range is infinite",
         {.aluminium = {"坩锅炉", "无防治措施"}, .amount = "1E39"}, 0, "无穷大", 0},
        {"a furnace of another block is unknown here", {.zinc = {"坩锅炉", "无防治措施"}, .amount = "100"}, 0, "0", 0},
    };
    for (const auto &c : cases) {
        Foundry foundry;
        foundry.emission = c.before;
        EXPECT_EQ(foundry.press(c.in), c.messages) << c.name;
        EXPECT_EQ(shown(foundry.emission), c.shown) << c.name;
    }
}

// Every factor row names a furnace and a treatment its lists offer.
TEST(Foundry, FactorRowsUseListItems)
{
    int rows = 0;
    for (const FoundryBranch &branch : foundryBranches()) {
        for (const FoundryFactor &row : branch.factors) {
            EXPECT_TRUE(branch.furnaces.contains(row.furnace)) << row.furnace.toStdString();
            EXPECT_TRUE(branch.treatments.contains(row.treatment)) << row.treatment.toStdString();
            ++rows;
        }
    }
    EXPECT_EQ(rows, 40);
}

} // namespace
