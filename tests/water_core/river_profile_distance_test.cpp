// The series of distances shared by the river and bay profiles: which
// distances a range gives and how they are written, the line bound, the bar.
#include "water/distance_profile.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// A profile with the one value "v" at each x.
DistanceProfile run(const ProfileRange &range, ProgressState &bar)
{
    return runDistanceProfile({QStringLiteral("H"), QString()}, range,
                              [](double, QStringList &values) { values << QStringLiteral("v"); }, bar);
}

TEST(DistanceProfile, Series)
{
    const struct { const char *name; ProfileRange range; const char *report; } cases[] = {
        {"rising", {"5", "7", "1"}, "H\r\r5    v\r6    v\r7    v\r"},
        {"falling", {"7", "5", "-1"}, "H\r\r7    v\r6    v\r5    v\r"},
        {"end not hit", {"10", "45", "20"}, "H\r\r10    v\r30    v\r"},
        {"negative step away from the end", {"100", "2000", "-100"}, "H\r\r"},
        {"letter in the end", {"100", "2000a", "100"}, "H\r\r"},
        {"empty step", {"100", "2000", ""}, "H\r\r"},
        // Repeated addition of 0.1 reaches 0.9999999999999999: not above 1,
        // and 1 in 15 digits.
        {"tenths", {"0", "1", "0.1"},
         "H\r\r0    v\r0.1    v\r0.2    v\r0.3    v\r0.4    v\r0.5    v\r0.6    v\r0.7    v\r0.8    v\r0.9    v\r1    v\r"},
    };
    for (const auto &c : cases) {
        ProgressState bar;
        EXPECT_EQ(run(c.range, bar).report.toStdString(), c.report) << c.name;
    }
}

TEST(DistanceProfile, LineBound)
{
    const struct { const char *name; ProfileRange range; bool bounded; } cases[] = {
        {"step of zero", {"0", "0", "0"}, true},
        {"one line too many", {"0", "100000", "1"}, true},
        {"exactly the bound", {"1", "100000", "1"}, false},
    };
    for (const auto &c : cases) {
        ProgressState bar;
        const DistanceProfile profile = run(c.range, bar);
        EXPECT_EQ(profile.lines, kMaxProfileLines) << c.name;
        EXPECT_EQ(profile.report.count(u'\r'), kMaxProfileLines + 2) << c.name;
        EXPECT_EQ(profile.bounded, c.bounded) << c.name;
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
        {"no distances", {"3000", "2000", "100"}, 100, 0, false},
        {"end no number", {"100", "x", "100"}, 100, 0, false},
    };
    for (const auto &c : cases) {
        ProgressState bar;
        run(c.range, bar);
        EXPECT_EQ(bar.maximum, c.maximum) << c.name;
        EXPECT_EQ(bar.value, c.value) << c.name;
        EXPECT_EQ(bar.visible, c.visible) << c.name;
    }
}

} // namespace
