// The puff model's arithmetic, called without its window. The point value
// and the design-time grid's rows are checked through the window.
#include "common/numbers/number_text.h"
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

// The window's puff boxes at design time, one of them changed.
PuffBoxes designBoxes(QString PuffBoxes::*field = nullptr, const char *text = "")
{
    PuffBoxes boxes{"12000000", "200", "200", "100", "0", "0", "1"};
    if (field)
        boxes.*field = QString::fromUtf8(text);
    return boxes;
}

// The axes from the grid boxes' whole metres, counted from 0; the message of
// bad bounds is checked through the window.
TEST(PuffModel, GridShapes)
{
    const struct { const char *name; GridBoxes boxes; GridOutcome outcome; int rows, columns; } cases[] = {
        {"range below step", {"400", "500", "50", "100"}, GridOutcome::Done, 1, 1},
        {"whole metres", {"1000.9", "499.9", "9.9", "9.9"}, GridOutcome::Done, 3, 2},
        {"x step 0", {"5000", "0", "1000", "100"}, GridOutcome::BadBounds, 0, 0},
        {"x step below 1", {"5000", "0.5", "1000", "100"}, GridOutcome::BadBounds, 0, 0},
        {"x step negative", {"5000", "-500", "1000", "100"}, GridOutcome::BadBounds, 0, 0},
        {"y step negative", {"5000", "500", "1000", "-100"}, GridOutcome::BadBounds, 0, 0},
        {"negative step towards a negative range", {"-5000", "-500", "1000", "100"}, GridOutcome::BadBounds, 0, 0},
        {"x range not a number", {"", "500", "1000", "100"}, GridOutcome::BadBounds, 0, 0},
        {"y range below 0", {"500", "500", "-1", "100"}, GridOutcome::Done, 2, 0},
        {"too many points", {"100000", "1", "100", "1"}, GridOutcome::TooManyPoints, 0, 0},
        {"no rows, endless header", {"-1", "1", "1e39", "1"}, GridOutcome::TooManyPoints, 0, 0},
    };
    for (const auto &c : cases) {
        const GridResult grid = puffGrid(designBoxes(), c.boxes);
        EXPECT_EQ(grid.axes.outcome, c.outcome) << c.name;
        EXPECT_EQ(grid.axes.xValues.size(), c.rows) << c.name;
        EXPECT_EQ(grid.axes.yValues.size(), c.columns) << c.name;
        // One ";" after the header sign, each x and y field and each value.
        const int fields = c.outcome == GridOutcome::Done ? 1 + c.rows * c.columns + c.rows + c.columns : 0;
        EXPECT_EQ(grid.text.count(u';'), fields) << c.name;
    }
}

// The three buttons from the boxes as typed to the texts their boxes show.
TEST(PuffModel, TextsFromTheBoxes)
{
    EXPECT_EQ(puffPointText(designBoxes(), "200", "100"), QStringLiteral("0.203904"));
    EXPECT_EQ(puffPointText(designBoxes(&PuffBoxes::q, "-12000000"), "200", "100"), QStringLiteral("-0.203904"));
    EXPECT_EQ(puffPointText(designBoxes(&PuffBoxes::sigmaZ, "abc"), "200", "100"), QStringLiteral("0"));
    EXPECT_EQ(puffPointText(designBoxes(), "200", ""), QStringLiteral("0"));
    EXPECT_EQ(puffDistance(designBoxes(), "0.03").text, QStringLiteral("450.47"));
    EXPECT_EQ(puffDistance(designBoxes(), "abc").text, QStringLiteral("25000M内未找到临界距离"));
    EXPECT_EQ(puffGrid(designBoxes(), {"5000", "0.5", "1000", "100"}).message,
              QStringLiteral("纵向、横向的范围和网格须为数值，且网格取整后不能为0，网格计算未进行！"));
    EXPECT_EQ(puffGrid(designBoxes(), {"500", "500", "100", "100"}).text.toStdString(),
              "X=\\c/Y=;y=0;y=100;\rx=0;0.380943;0.336181;\rx=500;0.016737;0.014771;\r");
}

// A factor beyond the single range fails its step: at the point it stays 0,
// in the grid every value is the floor.
TEST(PuffModel, BeyondTheSingleRange)
{
    const PuffBoxes huge = designBoxes(&PuffBoxes::q, "1e300");  // A some 3E+292
    EXPECT_EQ(puffPointText(huge, "200", "100"), QStringLiteral("0"));
    EXPECT_EQ(puffGrid(huge, {"500", "500", "100", "100"}).text,
              QStringLiteral("X=\\c/Y=;y=0;y=100;\rx=0;1E-08;1E-08;\rx=500;1E-08;1E-08;\r"));
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
