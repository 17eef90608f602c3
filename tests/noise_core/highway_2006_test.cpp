// The 2006 guideline highway model: the worked examples, the gradient and
// design-speed rules, and the report laid out to the character.
#include "common/numbers/number_text.h"
#include "noise/highway_2006.h"
#include "qstring_print.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// The window's design-time texts and load-time choices.
Highway2006Inputs defaults()
{
    return {
        .sectionName = QStringLiteral("XXX高等级公路"),
        .laneVolume = QStringLiteral("800"),
        .ratioLarge = QStringLiteral("0.3"),
        .ratioMedium = QStringLiteral("0.4"),
        .ratioSmall = QStringLiteral("0.3"),
        .laneWidth = QStringLiteral("15"),
        .treeAttenuation = QStringLiteral("1"),
        .buildingAttenuation = QStringLiteral("2.5"),
        .angle = QStringLiteral("150"),
        .gradient = QStringLiteral("4.5"),
        .volumeLarge = QStringLiteral("300"),
        .volumeMedium = QStringLiteral("400"),
        .volumeSmall = QStringLiteral("500"),
        .speedLarge = QStringLiteral("80"),
        .speedMedium = QStringLiteral("90"),
        .speedSmall = QStringLiteral("110"),
        .designSpeed = QStringLiteral("100"),
    };
}

QString line(const Highway2006Result &r, int index)
{
    return r.report.split(u'\n').value(index);
}

QString twoDecimals(double v)
{
    return ApplyDisplayPattern(v, u"####.##");
}

TEST(Highway2006, FormulaSpeeds)
{
    // Formula speeds scaled by 100/120, with no manual-speed warning even
    // though the manual boxes hold "0".
    Highway2006Inputs in = defaults();
    in.speeds = SpeedSource::Formula;
    in.speedLarge = in.speedMedium = in.speedSmall = QStringLiteral("0");
    const Highway2006Result r = predictHighway2006(in);
    EXPECT_EQ(twoDecimals(r.large.speed), QStringLiteral("95.77"));
    EXPECT_EQ(twoDecimals(r.medium.speed), QStringLiteral("89.61"));
    EXPECT_EQ(twoDecimals(r.small.speed), QStringLiteral("76.81"));
    EXPECT_EQ(line(r, 9), QStringLiteral("各种车型在参照点处平均辐射声级：大型车：94.96dB；中型车：88.83dB；小型车：78.08dB；"));
    EXPECT_FALSE(r.zeroSpeedWarning);
}

TEST(Highway2006, DesignSpeedScalesFormulaSpeedsBelow120Only)
{
    Highway2006Inputs in = defaults();
    in.speeds = SpeedSource::Formula;
    in.designSpeed = QStringLiteral("120");
    const double unscaled = predictHighway2006(in).large.speed;
    EXPECT_EQ(twoDecimals(unscaled), QStringLiteral("114.92"));
    in.designSpeed = QStringLiteral("119");
    EXPECT_DOUBLE_EQ(predictHighway2006(in).large.speed, unscaled * (119.0 / 120));
    in.designSpeed = QString();  // no number: no scaling
    EXPECT_DOUBLE_EQ(predictHighway2006(in).large.speed, unscaled);
    // Manual speeds are never scaled.
    Highway2006Inputs manual = defaults();
    manual.designSpeed = QStringLiteral("60");
    EXPECT_EQ(predictHighway2006(manual).large.speed, 80);
}

TEST(Highway2006, GradientCorrectionOfLargeAndMediumLevels)
{
    struct Case { const char *gradient; double added; };
    const Case cases[] = {{"3", 0}, {"3.5", 0}, {"5.5", 0}, {"4", 1}, {"4.5", 1}, {"5", 1},
                          {"6", 3}, {"6.5", 3}, {"7", 5}, {"8", 5}, {"", 0}, {"陡", 0}};
    Highway2006Inputs in = defaults();
    in.gradient = QStringLiteral("0");
    const Highway2006Result flat = predictHighway2006(in);
    for (const Case &c : cases) {
        in.gradient = QString::fromUtf8(c.gradient);
        const Highway2006Result r = predictHighway2006(in);
        EXPECT_NEAR(*r.large.referenceLevel - *flat.large.referenceLevel, c.added, 1e-12) << c.gradient;
        EXPECT_NEAR(*r.medium.referenceLevel - *flat.medium.referenceLevel, c.added, 1e-12) << c.gradient;
        EXPECT_EQ(*r.small.referenceLevel, *flat.small.referenceLevel) << c.gradient;
    }
}

// With every ratio 1 the ratio term equals the lane volume for all three
// classes, so the level falls between 0 and 200 m by exactly 10·lg or
// 15·lg of the ratio of the equivalent distances.
TEST(Highway2006, RatioTermOf300TakesTheSteeperFallOff)
{
    const double r0 = std::sqrt(7.5 * 82.5);
    const double r200 = std::sqrt(207.5 * 282.5);
    const double decades = std::log10(r200 / r0);
    struct Case { const char *volume; double factor; };
    for (const Case &c : {Case{"300", 15}, Case{"299.99", 10}}) {
        Highway2006Inputs in = defaults();
        in.laneVolume = QString::fromLatin1(c.volume);
        in.ratioLarge = in.ratioMedium = in.ratioSmall = QStringLiteral("1");
        const Highway2006Result r = predictHighway2006(in);
        EXPECT_NEAR(r.levels[0] - r.levels[10], c.factor * decades, 1e-9) << c.volume;
    }
}

TEST(Highway2006, ManualSpeedWarning)
{
    struct Case { const char *name; const char *large; const char *medium; const char *small; bool warned; };
    const Case cases[] = {
        {"all given", "80", "90", "110", false},
        {"medium zero", "80", "0", "110", true},
        {"after the formula mode wrote zeros", "0", "0", "0", true},
        {"empty small", "80", "90", "", true},
        {"letters", "80", "九十", "110", true},
        {"zero written as 0.0", "0.0", "90", "110", true},
    };
    for (const Case &c : cases) {
        Highway2006Inputs in = defaults();
        in.speedLarge = QString::fromUtf8(c.large);
        in.speedMedium = QString::fromUtf8(c.medium);
        in.speedSmall = QString::fromUtf8(c.small);
        const Highway2006Result r = predictHighway2006(in);
        EXPECT_EQ(r.zeroSpeedWarning, c.warned) << c.name;
        EXPECT_EQ(r.report.count(u'\n'), 15) << c.name;
    }
}

TEST(Highway2006, FailedStepsKeepTheirValues)
{
    // A zero speed gives its class no reference level (the zero form of the
    // pattern in the report) and keeps the previous distance's level.
    Highway2006Inputs in = defaults();
    in.speedMedium = QStringLiteral("0");
    Highway2006Result r = predictHighway2006(in);
    EXPECT_FALSE(r.medium.referenceLevel.has_value());
    EXPECT_EQ(line(r, 9), QStringLiteral("各种车型在参照点处平均辐射声级：大型车：92.12dB；中型车：.dB；小型车：83.5dB；"));

    // Without an angle the level is reported without the finite-segment
    // correction: 10·lg(150/180) higher.
    const Highway2006Result base = predictHighway2006(defaults());
    for (const char *angle : {"0", "-30", "", "abc"}) {
        in = defaults();
        in.angle = QString::fromLatin1(angle);
        r = predictHighway2006(in);
        EXPECT_NEAR(r.levels[5] - base.levels[5], -10 * std::log10(150.0 / 180), 1e-9) << angle;
    }
}

// A step whose outcome overflows the double range fails like any other: it
// is skipped and its value keeps what it held in this press.
TEST(Highway2006, OverflowingStepsKeepTheirValues)
{
    // The ratio term 800·(η + m·(1 − η)) overflows and stays unset (0), so
    // the formula speed is k2 + 1/(−m), scaled by 100/120.
    Highway2006Inputs in = defaults();
    in.speeds = SpeedSource::Formula;
    in.ratioLarge = QStringLiteral("1e308");
    Highway2006Result r = predictHighway2006(in);
    EXPECT_EQ(r.large.ratioTerm, 0);
    EXPECT_DOUBLE_EQ(r.large.speed, (149.39 + 1 / -0.70957) * (100.0 / 120));
    ASSERT_TRUE(r.large.referenceLevel.has_value());
    EXPECT_EQ(line(r, 9).section(u'：', 2, 2), twoDecimals(*r.large.referenceLevel) + QStringLiteral("dB；中型车"));
    for (double level : r.levels)
        EXPECT_TRUE(std::isfinite(level));

    // Every class level of 10^308 dB or so: the energy sum overflows at every
    // distance and keeps the previous distance's level, 0 before the first,
    // to which the finite-segment correction adds once per distance.
    const double section = 10 * std::log10(150.0 / 180);
    struct Case { const char *name; Highway2006Inputs in; };
    Highway2006Inputs trees = defaults();
    trees.treeAttenuation = QStringLiteral("-5000");
    Highway2006Inputs fast = defaults();
    fast.speedLarge = QStringLiteral("1e308");
    for (const Case &c : {Case{"tree belt of -5000 dB", trees}, Case{"manual speed of 1e308", fast}}) {
        r = predictHighway2006(c.in);
        for (int k = 0; k < kHighwayDistanceCount; ++k)
            EXPECT_NEAR(r.levels[k], (k + 1) * section, 1e-9) << c.name << " at " << 20 * k << " m";
        EXPECT_FALSE(r.report.contains(QStringLiteral("无穷大"))) << c.name;
    }
    EXPECT_EQ(twoDecimals(r.large.referenceLevel.value_or(0)), QStringLiteral("11209.56"));

    // Inside the loop: from 20 to 80 m a negative lane width gives the root of
    // a negative product, and r keeps its value of 0 m.
    in = defaults();
    in.laneWidth = QStringLiteral("-15");
    r = predictHighway2006(in);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(r.levels[k], r.levels[0]) << 20 * k << " m";
    EXPECT_NE(r.levels[5], r.levels[0]);
}

TEST(Highway2006, SixCharacterLevelsLoseTheAlignment)
{
    Highway2006Inputs in = defaults();
    in.volumeLarge = QStringLiteral("3000000");
    const Highway2006Result r = predictHighway2006(in);
    ASSERT_GE(r.levels[0], 100);
    const QString row = line(r, 5).mid(QStringLiteral("预测点的预测结果值(dB)：").size());
    EXPECT_TRUE(row.startsWith(twoDecimals(r.levels[0]) + QStringLiteral("  "))) << row.toStdString();
    EXPECT_GT(row.size(), 11 * 7);
}

} // namespace
