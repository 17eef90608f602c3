// The puff model's arithmetic, called without its window. The point value
// and the design-time grid's rows are checked through the window.
#include "common/number_text.h"
#include "risk/puff_model.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// The window's design-time inputs, one of them changed.
PuffInputs design(std::optional<double> PuffInputs::*field = nullptr, std::optional<double> value = {})
{
    PuffInputs in{12000000, 200, 200, 100, 0, 0, 1};
    if (field)
        in.*field = value;
    return in;
}

std::string text(float v)
{
    return SingleText(v).toStdString();
}

TEST(PuffModel, GridValueRoundingAndFloor)
{
    const struct { float in; const char *expected; } cases[] = {
        {12.3456789f, "12.34568"},  // six decimals, then seven digits
        {4e-7f, "4E-07"},           // rounds to "." alone: kept unrounded
        {1.2e-8f, "1.2E-08"},
        {5e-9f, "1E-08"},           // below the floor
        {-0.5f, "1E-08"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(text(roundedGridValue(c.in)), c.expected) << c.in;
}

// The axes are counted loops (checked with the hand-off file); the message
// of bad bounds is checked through the window.
TEST(PuffModel, GridShapes)
{
    const struct { const char *name; PuffGridBounds bounds; PuffGridOutcome outcome; int rows, columns; } cases[] = {
        {"range below step", {400, 500, 50, 100}, PuffGridOutcome::Done, 1, 1},
        {"x step 0", {5000, 0, 1000, 100}, PuffGridOutcome::BadBounds, 0, 0},
        {"x step negative", {5000, -500, 1000, 100}, PuffGridOutcome::BadBounds, 0, 0},
        {"y step negative", {5000, 500, 1000, -100}, PuffGridOutcome::BadBounds, 0, 0},
        {"negative step towards a negative range", {-5000, -500, 1000, 100}, PuffGridOutcome::BadBounds, 0, 0},
        {"x range not a number", {std::nullopt, 500, 1000, 100}, PuffGridOutcome::BadBounds, 0, 0},
        {"y range below 0", {500, 500, -1, 100}, PuffGridOutcome::Done, 2, 0},
        {"too many points", {100000, 1, 100, 1}, PuffGridOutcome::TooManyPoints, 0, 0},
        {"no rows, endless header", {-1, 1, 1e39, 1}, PuffGridOutcome::TooManyPoints, 0, 0},
    };
    for (const auto &c : cases) {
        const PuffGrid grid = computePuffGrid(design(), c.bounds);
        EXPECT_EQ(grid.outcome, c.outcome) << c.name;
        EXPECT_EQ(grid.xValues.size(), c.rows) << c.name;
        EXPECT_EQ(grid.yValues.size(), c.columns) << c.name;
        EXPECT_EQ(grid.values.size(), c.rows * c.columns) << c.name;
    }
}

// A factor beyond the single range fails its step: at the point it stays 0,
// in the grid every value is the floor.
TEST(PuffModel, BeyondTheSingleRange)
{
    const PuffInputs huge = design(&PuffInputs::q, 1e300);  // A some 3E+292
    EXPECT_EQ(text(pointConcentration(huge, 200.0, 100.0)), "0");
    const PuffGrid grid = computePuffGrid(huge, {500, 500, 100, 100});
    ASSERT_EQ(grid.values.size(), 4);
    for (float value : grid.values)
        EXPECT_EQ(text(value), "1E-08");
}

// The search as the guideline tool runs it: each round writes the distance
// under "##.####" and reads it back.
CriticalDistance literalSearch(const PuffInputs &in, double cc, long maxRounds)
{
    PuffFactors factors;
    double x = 0;
    for (long round = 1; round <= maxRounds; ++round) {
        x = x + 0.01;
        evaluatePuff(in, x, 0.0, factors);
        if (std::fabs((cc - factors.c) / cc) < 0.005)
            return CriticalDistance{true, x, round};
        x = *ToDouble(ApplyDisplayPattern(x, QStringLiteral("##.####")));
    }
    return CriticalDistance{false, 0, maxRounds};
}

TEST(PuffModel, CriticalDistanceMatchesTheLiteralSearch)
{
    const struct { const char *name; PuffInputs in; double cc; const char *shown; } cases[] = {
        {"design time", design(), 0.03, "450.47"},
        {"reached in the first centimetre", design(), pointConcentration(design(), 0.01, 0.0), "0.01"},
        {"centre shifted downwind", design(&PuffInputs::x0, 300), 0.03, "750.47"},
        {"above the axis maximum", design(), 1.0, ""},
        {"Cc of 0", design(), 0.0, ""},
    };
    for (const auto &c : cases) {
        const CriticalDistance fast = criticalDistance(c.in, c.cc, 100000);
        const CriticalDistance slow = literalSearch(c.in, c.cc, 100000);
        EXPECT_EQ(fast.found, slow.found) << c.name;
        EXPECT_EQ(fast.rounds, slow.rounds) << c.name;
        EXPECT_EQ(fast.x, slow.x) << c.name;
        EXPECT_EQ(fast.found ? DoubleText(fast.x).toStdString() : "", c.shown) << c.name;
    }
    // Never met: the search gives up after 25,000 m.
    EXPECT_EQ(criticalDistance(design(), 5.0).rounds, 2500000);
}

} // namespace
