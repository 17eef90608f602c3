// The 1996 specification highway model: the worked example to the
// character, the corrections, and what a press does with bad inputs.
#include "noise/highway_1996.h"
#include "qstring_print.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

Highway1996Inputs defaults()
{
    return {
        .sectionName = QStringLiteral("XXX高速公路"),
        .year = QStringLiteral("2003"),
        .gradient = QStringLiteral("0.04"),
        .laneWidth = QStringLiteral("15"),
        .dayLarge = QStringLiteral("50"),
        .nightLarge = QStringLiteral("30"),
        .dayMedium = QStringLiteral("220"),
        .nightMedium = QStringLiteral("120"),
        .daySmall = QStringLiteral("200"),
        .nightSmall = QStringLiteral("120"),
        .woodsAttenuation = QStringLiteral("0"),
        .buildingAttenuation = QStringLiteral("0"),
        .angle = QStringLiteral("150"),
    };
}

Highway1996 loaded()
{
    Highway1996 window;
    window.load();
    return window;
}

TEST(Highway1996, CorrectionsShiftEveryLevel)
{
    const Highway1996 base = [] {
        Highway1996 w = loaded();
        w.press(defaults());
        return w;
    }();
    struct Case
    {
        const char *name;
        void (*change)(Highway1996Inputs &, Highway1996 &);
        double dayShift;    // NAN: only the direction is checked
        int direction;
    };
    const double angleGain = 10 * std::log10(180.0 / 150);
    const Case cases[] = {
        {"angle 180", [](Highway1996Inputs &in, Highway1996 &) { in.angle = QStringLiteral("180"); }, angleGain, 1},
        {"cement", [](Highway1996Inputs &in, Highway1996 &) { in.pavement = Pavement::Cement; }, 2, 1},
        {"obstacles", [](Highway1996Inputs &in, Highway1996 &) {
             in.woodsAttenuation = QStringLiteral("1.5");
             in.buildingAttenuation = QStringLiteral("3");
         }, -4.5, -1},
        {"hard ground", [](Highway1996Inputs &, Highway1996 &w) { w.chooseGround(Ground::Hard); }, NAN, 1},
        {"lawn", [](Highway1996Inputs &, Highway1996 &w) { w.chooseGround(Ground::Lawn); }, NAN, -1},
        {"flat road", [](Highway1996Inputs &in, Highway1996 &) { in.gradient = QStringLiteral("0"); }, NAN, -1},
    };
    for (const Case &c : cases) {
        Highway1996 w = loaded();
        Highway1996Inputs in = defaults();
        c.change(in, w);
        ASSERT_FALSE(w.press(in).isEmpty()) << c.name;
        for (int i = 0; i < kHighwayDistanceCount; ++i) {
            const double shift = w.dayLevels[i] - base.dayLevels[i];
            if (std::isnan(c.dayShift)) {
                EXPECT_GT(shift * c.direction, 0.01) << c.name << " at " << i;
            } else {
                EXPECT_NEAR(shift, c.dayShift, 1e-4) << c.name << " at " << i;
                EXPECT_NEAR(w.nightLevels[i] - base.nightLevels[i], c.dayShift, 1e-4) << c.name << " at " << i;
            }
        }
    }
}

TEST(Highway1996, FewSmallVehiclesCountAs100ByDayOnly)
{
    Highway1996 at100 = loaded();
    Highway1996Inputs in = defaults();
    in.daySmall = QStringLiteral("100");
    at100.press(in);
    for (const char *volume : {"50", "0", "-20"}) {
        Highway1996 w = loaded();
        in.daySmall = QString::fromLatin1(volume);
        ASSERT_FALSE(w.press(in).isEmpty()) << volume;
        EXPECT_EQ(w.dayLevels, at100.dayLevels) << volume;
        EXPECT_EQ(w.nightLevels, at100.nightLevels) << volume;
    }
    // The night volume is not raised: fewer small vehicles at night lower
    // the night level.
    Highway1996 w = loaded();
    in = defaults();
    in.nightSmall = QStringLiteral("50");
    w.press(in);
    Highway1996 base = loaded();
    base.press(defaults());
    EXPECT_LT(w.nightLevels[0], base.nightLevels[0]);
    EXPECT_EQ(w.dayLevels, base.dayLevels);
}

// Where the medium (from 160 m) and small (at 250 m) classes change form,
// the levels keep falling.
TEST(Highway1996, LevelsFallWithDistanceAcrossTheChangeOfForm)
{
    Highway1996 w = loaded();
    w.press(defaults());
    for (int i = 1; i < kHighwayDistanceCount; ++i) {
        EXPECT_LT(w.dayLevels[i], w.dayLevels[i - 1]) << i;
        EXPECT_LT(w.nightLevels[i], w.nightLevels[i - 1]) << i;
    }
}

TEST(Highway1996, TitleIndentation)
{
    struct Case { const char *name; const char *section; const char *year; int blanks; const char *yearText; };
    const Case cases[] = {
        {"half down to even", "XXX高速公路X", "2003", 36, " 2003"},  // (81 − 8) / 2 = 36.5
        {"half up to even", "XX高速公路", "2003", 38, " 2003"},     // (81 − 6) / 2 = 37.5
        {"name longer than the row", "", "-5", 0, "-5"},
    };
    for (const Case &c : cases) {
        Highway1996 w = loaded();
        Highway1996Inputs in = defaults();
        in.sectionName = *c.section ? QString::fromUtf8(c.section) : QString(120, u'路');
        in.year = QString::fromLatin1(c.year);
        const QString title = w.press(in).split(u'\n').first();
        EXPECT_EQ(title, QString(c.blanks, u' ') + in.sectionName + QStringLiteral("有限长路段")
                             + QString::fromLatin1(c.yearText) + QStringLiteral("年预测结果")) << c.name;
    }
}

TEST(Highway1996, AFailingInputGivesAnEmptyReportAndKeepsTheLevels)
{
    struct Case { const char *name; void (*change)(Highway1996Inputs &); };
    const Case cases[] = {
        {"empty large day volume", [](Highway1996Inputs &in) { in.dayLarge.clear(); }},
        {"zero large day volume", [](Highway1996Inputs &in) { in.dayLarge = QStringLiteral("0"); }},
        {"negative night volume", [](Highway1996Inputs &in) { in.nightMedium = QStringLiteral("-5"); }},
        {"zero medium day volume", [](Highway1996Inputs &in) { in.dayMedium = QStringLiteral("0"); }},
        {"zero night small volume", [](Highway1996Inputs &in) { in.nightSmall = QStringLiteral("0"); }},
        {"letters in the gradient", [](Highway1996Inputs &in) { in.gradient = QStringLiteral("4%"); }},
        {"zero angle", [](Highway1996Inputs &in) { in.angle = QStringLiteral("0"); }},
        {"negative lane width", [](Highway1996Inputs &in) { in.laneWidth = QStringLiteral("-10"); }},
        {"empty woods", [](Highway1996Inputs &in) { in.woodsAttenuation.clear(); }},
        {"year in words", [](Highway1996Inputs &in) { in.year = QStringLiteral("二〇〇三"); }},
        {"huge volume", [](Highway1996Inputs &in) { in.dayLarge = QStringLiteral("1E308"); }},
    };
    for (const Case &c : cases) {
        Highway1996 w = loaded();
        w.press(defaults());
        const auto day = w.dayLevels;
        Highway1996Inputs in = defaults();
        c.change(in);
        EXPECT_EQ(w.press(in), QString()) << c.name;
        EXPECT_EQ(w.dayLevels, day) << c.name;
    }
}

} // namespace
