// The series of distances shared by the river and bay profile models: which
// distances a range gives, how they are written, the line bound and the bar.
#include "river_profile_support.h"
#include "water/distance_profile.h"

#include <gtest/gtest.h>

using namespace corvalen;
using corvalen::test::reportLines;

namespace {

// A profile whose one value at x is "v".
DistanceProfile run(const ProfileRange &range, ProgressState &bar, int maxLines = kMaxProfileLines)
{
    return runDistanceProfile({QStringLiteral("H1"), QString()}, range,
                              [](double, QStringList &values) { values << QStringLiteral("v"); }, bar,
                              maxLines);
}

QStringList distances(const DistanceProfile &profile)
{
    QStringList xs;
    const QStringList lines = reportLines(profile.report);
    for (qsizetype i = 2; i < lines.size(); ++i)
        xs << lines[i].section(QLatin1String("    "), 0, 0);
    return xs;
}

TEST(DistanceProfile, SeriesOfDistances)
{
    const struct { const char *name; ProfileRange range; int lines; const char *first; const char *last; } cases[] = {
        {"rising by whole steps", {"100", "2000", "100"}, 20, "100", "2000"},
        {"falling with a negative step", {"2000", "100", "-100"}, 20, "2000", "100"},
        {"start beyond the end", {"3000", "2000", "100"}, 0, "", ""},
        {"negative step away from the end", {"100", "2000", "-100"}, 0, "", ""},
        {"single distance", {"100", "100", "100"}, 1, "100", "100"},
        {"end not hit exactly", {"10", "400", "20"}, 20, "10", "390"},
        {"letter in the end", {"100", "2000a", "100"}, 0, "", ""},
        {"empty start", {"", "2000", "100"}, 0, "", ""},
        {"empty step", {"100", "2000", ""}, 0, "", ""},
        {"group separators and exponent", {"1,000", "2E3", "500"}, 3, "1000", "2000"},
    };
    for (const auto &c : cases) {
        ProgressState bar;
        const DistanceProfile profile = run(c.range, bar);
        const QStringList xs = distances(profile);
        EXPECT_EQ(profile.lines, c.lines) << c.name;
        ASSERT_EQ(xs.size(), c.lines) << c.name;
        EXPECT_FALSE(profile.bounded) << c.name;
        if (c.lines > 0) {
            EXPECT_EQ(xs.first(), QString::fromUtf8(c.first)) << c.name;
            EXPECT_EQ(xs.last(), QString::fromUtf8(c.last)) << c.name;
        }
    }
}

TEST(DistanceProfile, ReportLayout)
{
    ProgressState bar;
    EXPECT_EQ(run({"0", "-1", "1"}, bar).report, QStringLiteral("H1\r\r"));
    EXPECT_EQ(run({"5", "6", "1"}, bar).report, QStringLiteral("H1\r\r5    v\r6    v\r"));
}

// Repeated addition of 0.1 reaches 0.9999999999999999, which is not above 1
// and is written with 15 digits as 1.
TEST(DistanceProfile, DistancesAccumulateByAddition)
{
    ProgressState bar;
    const QStringList xs = distances(run({"0", "1", "0.1"}, bar));
    EXPECT_EQ(xs.join(u' '), QStringLiteral("0 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1"));
}

TEST(DistanceProfile, LineBound)
{
    const struct { const char *name; ProfileRange range; int lines; bool bounded; } cases[] = {
        {"step of zero", {"0", "0", "0"}, kMaxProfileLines, true},
        {"one line too many", {"0", "100000", "1"}, kMaxProfileLines, true},
        {"exactly the bound", {"1", "100000", "1"}, kMaxProfileLines, false},
    };
    for (const auto &c : cases) {
        ProgressState bar;
        const DistanceProfile profile = run(c.range, bar);
        EXPECT_EQ(profile.lines, c.lines) << c.name;
        EXPECT_EQ(profile.bounded, c.bounded) << c.name;
        EXPECT_EQ(profile.report.count(u'\r'), c.lines + 2) << c.name;
    }
}

// Per line the bar runs from 0 to Rmax at x, settings it cannot take being
// skipped; at the end it stands at Rmax.
TEST(DistanceProfile, ProgressBar)
{
    const struct { const char *name; ProfileRange range; float maximum, value; bool visible; } cases[] = {
        {"rising", {"100", "2000", "100"}, 2000, 2000, true},
        {"falling: the start lies above the bar", {"2000", "100", "-100"}, 100, 100, true},
        {"end below zero: no setting fits", {"-300", "-100", "100"}, 100, 0, true},
        {"no distances: only the end is set", {"3000", "2000", "100"}, 100, 0, false},
        {"end no number: untouched", {"100", "x", "100"}, 100, 0, false},
    };
    for (const auto &c : cases) {
        ProgressState bar;
        run(c.range, bar);
        EXPECT_EQ(bar.minimum, 0) << c.name;
        EXPECT_EQ(bar.maximum, c.maximum) << c.name;
        EXPECT_EQ(bar.value, c.value) << c.name;
        EXPECT_EQ(bar.visible, c.visible) << c.name;
    }
}

TEST(DistanceProfile, ProgressReset)
{
    ProgressState bar;
    run({"100", "2000", "100"}, bar);
    resetProfileProgress(bar);
    EXPECT_EQ(bar.maximum, 100);
    EXPECT_EQ(bar.value, 0);
    EXPECT_TRUE(bar.visible);
}

} // namespace
