// The step policies every toolbox uses by name.
#include "common/steps.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvalen;

TEST(Steps, StoredSingleRoundsOnceAndOverflowsToInfinity)
{
    const struct { const char *name; double outcome; float stored; } cases[] = {
        {"largest single", double(FLT_MAX), FLT_MAX},
        {"just under the rounding edge", 0x1.fffffefffffffp127, FLT_MAX},
        {"the rounding edge", 0x1.ffffffp127, INFINITY},
        {"beyond the single range", 1e39, INFINITY},
        {"negative beyond", -1e39, -INFINITY},
        {"underflow to zero", 1e-50, 0.0f},
        {"ordinary", 0.1, 0.1f},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StoredSingle(c.outcome), c.stored) << c.name;
    EXPECT_TRUE(std::isnan(StoredSingle(NAN)));
}

TEST(Steps, StoreOrKeepAndPatternOrDot)
{
    float value = 3;
    EXPECT_FALSE(StoreOrKeep(value, std::nullopt));
    EXPECT_EQ(value, 3.0f) << "a failed step keeps the value";
    EXPECT_TRUE(StoreOrKeep(value, 2.5));
    EXPECT_EQ(value, 2.5f);

    EXPECT_EQ(PatternOrDot(std::nullopt, u"####.##"), QStringLiteral("."));
    EXPECT_EQ(PatternOrDot(INFINITY, u"####.##"), QStringLiteral("."));
    EXPECT_EQ(PatternOrDot(16776.0, u"######.##"), QStringLiteral("16776."));
    EXPECT_EQ(PatternOrDot(0.43, u"####0.0000"), QStringLiteral("0.4300"));
}
