// The puff model's arithmetic, called without its window.
#include "common/number_text.h"
#include "risk/puff_model.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// The window's design-time inputs.
PuffInputs designInputs()
{
    return PuffInputs{12000000, 200, 200, 100, 0, 0, 1};
}

std::string text(float v)
{
    return SingleText(v).toStdString();
}

struct PointCase
{
    const char *name;
    PuffInputs inputs;
    std::optional<double> x, y;
    const char *expected;  // default single text of C
};

TEST(PuffModel, PointConcentration)
{
    const PuffInputs design = designInputs();
    PuffInputs noQ = design;
    noQ.q.reset();
    PuffInputs zeroSigma = design;
    zeroSigma.sigmaZ = 0;
    PuffInputs negativeQ = design;
    negativeQ.q = -12000000;
    PuffInputs hugeQ = design;
    hugeQ.q = 1e300;  // A beyond the single range: the step fails
    const PointCase cases[] = {
        {"design point", design, 200, 100, "0.203904"},
        {"puff centre", design, 0, 0, "0.3809428"},
        {"no Q", noQ, 200, 100, "0"},
        {"sigma z of 0", zeroSigma, 200, 100, "0"},
        {"no x", design, std::nullopt, 100, "0"},
        {"negative Q", negativeQ, 200, 100, "-0.203904"},
        {"Q too large for a single", hugeQ, 200, 100, "0"},
        {"x far away: underflow to 0", design, 1e6, 0, "0"},
    };
    for (const PointCase &c : cases)
        EXPECT_EQ(text(pointConcentration(c.inputs, c.x, c.y)), c.expected) << c.name;
}

TEST(PuffModel, GridValueRoundingAndFloor)
{
    const struct
    {
        float in;
        const char *expected;
    } cases[] = {
        {0.38094279f, "0.380943"},  // six decimals
        {1.4196416e-06f, "1E-06"},
        {4e-7f, "4E-07"},           // rounds to "." alone: kept unrounded
        {1.2e-8f, "1.2E-08"},
        {5e-9f, "1E-08"},           // below the floor
        {0.0f, "1E-08"},
        {-0.5f, "1E-08"},
        {12.3456789f, "12.34568"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(text(roundedGridValue(c.in)), c.expected) << c.in;
}

TEST(PuffModel, DesignTimeGrid)
{
    const PuffGrid grid = computePuffGrid(designInputs(), {5000, 500, 1000, 100});
    ASSERT_EQ(grid.outcome, PuffGridOutcome::Done);
    ASSERT_EQ(grid.xValues.size(), 11);
    ASSERT_EQ(grid.yValues.size(), 11);
    EXPECT_EQ(grid.xValues.last(), 5000);
    auto at = [&](int row, int column) { return text(grid.values[row * 11 + column]); };
    EXPECT_EQ(at(0, 0), "0.380943");
    EXPECT_EQ(at(0, 10), "1E-06");
    EXPECT_EQ(at(2, 0), "1E-06");   // x = 1000
    EXPECT_EQ(at(2, 10), "1E-08");
    for (int row = 3; row < 11; ++row)  // from x = 1500 on: the floor value
        for (int column = 0; column < 11; ++column)
            EXPECT_EQ(at(row, column), "1E-08") << row << "," << column;
}

TEST(PuffModel, GridBounds)
{
    const struct
    {
        const char *name;
        PuffGridBounds bounds;
        PuffGridOutcome outcome;
        int rows, columns;
    } cases[] = {
        {"range below step", {400, 500, 50, 100}, PuffGridOutcome::Done, 1, 1},
        {"ranges not a multiple", {1000, 300, 1000, 300}, PuffGridOutcome::Done, 4, 4},
        {"negative range and step", {-1000, -500, 0, 1}, PuffGridOutcome::Done, 3, 1},
        {"negative range, positive step", {-1000, 500, 100, 100}, PuffGridOutcome::Done, 0, 2},
        {"y range below 0", {500, 500, -1, 100}, PuffGridOutcome::Done, 2, 0},
        {"no number", {std::nullopt, 500, 1000, 100}, PuffGridOutcome::BadBounds, 0, 0},
        {"step of 0", {5000, 0, 1000, 100}, PuffGridOutcome::BadBounds, 0, 0},
        {"1e39 range", {1e39, 500, 1000, 100}, PuffGridOutcome::TooManyPoints, 0, 0},
        {"too many points", {100000, 1, 100, 1}, PuffGridOutcome::TooManyPoints, 0, 0},
        {"no rows, endless header", {-1, 1, 1e39, 1}, PuffGridOutcome::TooManyPoints, 0, 0},
    };
    for (const auto &c : cases) {
        const PuffGrid grid = computePuffGrid(designInputs(), c.bounds);
        EXPECT_EQ(grid.outcome, c.outcome) << c.name;
        EXPECT_EQ(grid.xValues.size(), c.rows) << c.name;
        EXPECT_EQ(grid.yValues.size(), c.columns) << c.name;
        EXPECT_EQ(grid.values.size(), c.rows * c.columns) << c.name;
    }
}

TEST(PuffModel, FailedGridStepKeepsPreviousPointsFactor)
{
    // σx so small that Ex overflows everywhere but at the centre: the rows
    // after x = 0 keep the Ex of the point before.
    PuffInputs in = designInputs();
    in.sigmaX = 1e-160;
    in.q = 1e-150;
    const PuffGrid grid = computePuffGrid(in, {1000, 500, 0, 1});
    ASSERT_EQ(grid.values.size(), 3);
    EXPECT_GT(grid.values[0], 1e-8f);
    EXPECT_EQ(grid.values[1], grid.values[0]);
    EXPECT_EQ(grid.values[2], grid.values[0]);
}

// The search as the guideline tool runs it: each round writes the distance
// under "##.####" and reads it back.
CriticalDistance literalSearch(const PuffInputs &in, double cc, long maxRounds)
{
    CriticalDistance result;
    PuffFactors factors;
    double x = 0;
    for (long round = 1; round <= maxRounds; ++round) {
        x = x + 0.01;
        evaluatePuff(in, x, 0.0, factors);
        if (std::fabs((cc - factors.c) / cc) < 0.005)
            return CriticalDistance{true, x, round};
        x = *ToDouble(ApplyDisplayPattern(x, QStringLiteral("##.####")));
    }
    result.rounds = maxRounds;
    return result;
}

TEST(PuffModel, CriticalDistanceMatchesTheLiteralSearch)
{
    PuffInputs shifted = designInputs();
    shifted.x0 = 300;
    const float first = pointConcentration(designInputs(), 0.01, 0.0);
    const struct
    {
        const char *name;
        PuffInputs in;
        double cc;
        const char *shown;  // default double text of the answer, "" if none
    } cases[] = {
        {"design time", designInputs(), 0.03, "450.47"},
        {"reached in the first centimetre", designInputs(), first, "0.01"},
        {"centre shifted downwind", shifted, 0.03, "750.47"},
        {"above the axis maximum", designInputs(), 1.0, ""},
    };
    for (const auto &c : cases) {
        const CriticalDistance fast = criticalDistance(c.in, c.cc, 100000);
        const CriticalDistance slow = literalSearch(c.in, c.cc, 100000);
        EXPECT_EQ(fast.found, slow.found) << c.name;
        EXPECT_EQ(fast.rounds, slow.rounds) << c.name;
        EXPECT_EQ(fast.x, slow.x) << c.name;
        EXPECT_EQ(fast.found ? DoubleText(fast.x).toStdString() : "", c.shown) << c.name;
    }
}

TEST(PuffModel, CriticalDistanceBound)
{
    const struct
    {
        const char *name;
        std::optional<double> cc;
    } cases[] = {{"Cc of 0", 0.0}, {"Cc not a number", std::nullopt}, {"Cc never reached", 5.0}};
    for (const auto &c : cases) {
        const CriticalDistance r = criticalDistance(designInputs(), c.cc);
        EXPECT_FALSE(r.found) << c.name;
        EXPECT_EQ(r.rounds, kMaxSearchRounds) << c.name;
    }
}

} // namespace
