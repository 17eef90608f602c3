// The step policies every toolbox uses by name.
#include "common/numbers/steps.h"

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
    EXPECT_FALSE(StoreOrKeep(value, NAN));
    EXPECT_EQ(value, 2.5f) << "an undefined outcome fails and keeps the value";
    EXPECT_TRUE(StoreOrKeep(value, 1e39));
    EXPECT_EQ(value, INFINITY) << "beyond the single range stores its infinity";

    EXPECT_EQ(PatternOrDot(std::nullopt, u"####.##"), QStringLiteral("."));
    EXPECT_EQ(PatternOrDot(INFINITY, u"####.##"), QStringLiteral("."));
    EXPECT_EQ(PatternOrDot(16776.0, u"######.##"), QStringLiteral("16776."));
    EXPECT_EQ(PatternOrDot(0.43, u"####0.0000"), QStringLiteral("0.4300"));
}

// A step that must store a number in single precision fails where the stored
// single would be infinite or undefined; one kept in double only where the
// double is. Both keep the value of the failed step.
TEST(Steps, FiniteStoresKeepTheValueOfAFailedStep)
{
    const struct { const char *name; std::optional<double> outcome; std::optional<float> single; } cases[] = {
        {"no outcome", std::nullopt, std::nullopt},
        {"ordinary", 2.5, 2.5f},
        {"just under the rounding edge", 0x1.fffffefffffffp127, FLT_MAX},
        {"the rounding edge", 0x1.ffffffp127, std::nullopt},
        {"a finite double beyond the single range", -1e39, std::nullopt},
        {"infinite", INFINITY, std::nullopt},
        {"undefined", NAN, std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FiniteSingle(c.outcome), c.single) << c.name;
        float single = 7;
        EXPECT_EQ(StoreFiniteOrKeep(single, c.outcome), c.single.has_value()) << c.name;
        EXPECT_EQ(single, c.single.value_or(7.0f)) << c.name;
    }
    double kept = 7;
    EXPECT_TRUE(StoreFiniteOrKeep(kept, 1e39));
    EXPECT_EQ(kept, 1e39);
    EXPECT_FALSE(StoreFiniteOrKeep(kept, -INFINITY));
    EXPECT_EQ(kept, 1e39);
}

// Every operation of a checked value fails on a division by zero, an
// overflow, a power or root that cannot be formed and a logarithm of 0 or
// less, and a failure carries through the rest of a formula.
TEST(Steps, CheckedArithmetic)
{
    const Checked none;
    const struct { const char *name; Checked outcome; std::optional<double> value; } cases[] = {
        {"sum", Checked(1.5) + 2, 3.5},
        {"difference", Checked(1.5) - 2, -0.5},
        {"quotient", Checked(1) / 4, 0.25},
        {"division by zero", Checked(1) / 0, std::nullopt},
        {"zero by zero", Checked(0) / 0, std::nullopt},
        {"product beyond the double range", Checked(1e300) * 1e10, std::nullopt},
        {"power", power(Checked(2), 10), 1024},
        {"fractional power of a negative base", power(Checked(-8), 1.0 / 3), std::nullopt},
        {"negative power of zero", power(Checked(0), -0.5), std::nullopt},
        {"exponential", exponential(Checked(0)), 1},
        {"exponential overflow", exponential(Checked(1000)), std::nullopt},
        {"root", squareRoot(Checked(6.25)), 2.5},
        {"root of a negative number", squareRoot(Checked(-1)), std::nullopt},
        {"lg", lg(Checked(1)), 0},
        {"lg of zero", lg(Checked(0)), std::nullopt},
        {"lg of a negative number", lg(Checked(-10)), std::nullopt},
        {"a failure carries through", (none + 1) * 0, std::nullopt},
        {"an infinite number is none", Checked(INFINITY) * 0, std::nullopt},
        {"a text", Checked::number(u"1,000.5") + 0.5, 1001},
        {"a text that is no number", Checked::number(u"5kg") * 1, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.outcome.value(), c.value) << c.name;

    // lg alone keeps an infinite x infinite: the decibel sum shows it.
    EXPECT_EQ(CommonLog(INFINITY), INFINITY);
    EXPECT_EQ(CommonLog(0), std::nullopt);
    EXPECT_EQ(CommonLog(NAN), std::nullopt);
}

// A chain runs on after a failed step with 0 and tells at its end.
TEST(Steps, StepChainRunsOnAndRemembersTheFailure)
{
    StepChain chain;
    EXPECT_EQ(chain.power(100, 0.5) + chain.quotient(1, 4), 10.25);
    EXPECT_FALSE(chain.failed());
    EXPECT_EQ(chain.lg(-1), 0);
    EXPECT_TRUE(chain.failed());
    EXPECT_EQ(chain.root(16), 4) << "later steps still run";
    EXPECT_TRUE(chain.failed());
}
