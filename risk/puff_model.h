#pragma once

#include <QString>
#include <QVector>
#include <optional>

namespace corvalen {

// The puff's inputs as the window's boxes give them: each box's text taken as
// a double, or nothing when the text is not a number (the steps that use it
// then fail). Q in mg, lengths in m.
struct PuffInputs
{
    std::optional<double> q;
    std::optional<double> sigmaX;
    std::optional<double> sigmaY;
    std::optional<double> sigmaZ;
    std::optional<double> x0;
    std::optional<double> y0;
    std::optional<double> z0;
};

// The single-precision intermediates of the puff formula. A step that fails
// (a missing input, a division by zero, an overflow) leaves its factor as it
// was, so a caller that keeps the factors from point to point gets the
// previous point's factor, and a fresh set gives 0.
struct PuffFactors
{
    float a = 0;   // 2Q / ((2π)^1.5 σx σy σz), mg/m³
    float ex = 0;  // exp(-(x - x0)² / 2σx²)
    float ey = 0;  // exp(-(y - y0)² / 2σy²)
    float ez = 0;  // exp(-z0² / 2σz²), reflection at the ground
    float c = 0;   // ground-level concentration, mg/m³
};

// One puff at a ground point (guideline puff formula, ground reflection
// included); evaluates every step in order into `factors`.
void evaluatePuff(const PuffInputs &in, std::optional<double> x, std::optional<double> y,
                  PuffFactors &factors);
// The point computation: fresh factors, the single-precision C.
float pointConcentration(const PuffInputs &in, std::optional<double> x, std::optional<double> y);

// Rounds a grid value to six decimals (kept unrounded when that text holds no
// digit) and lifts it to the floor value 1E-8.
float roundedGridValue(float c);

// The grid's bounds: floors of the four boxes, or nothing for a box that does
// not hold a number.
struct PuffGridBounds
{
    std::optional<double> xEnd;
    std::optional<double> xStep;
    std::optional<double> yEnd;
    std::optional<double> yStep;
};

enum class PuffGridOutcome { Done, BadBounds, TooManyPoints };

struct PuffGrid
{
    PuffGridOutcome outcome = PuffGridOutcome::Done;
    QVector<double> xValues;  // from 0
    QVector<double> yValues;  // from 0
    QVector<float> values;    // row by row, rounded and floored
};

// Most grid points a grid may have: the file and its window stay usable and
// a run stays well under a second.
inline constexpr qsizetype kMaxGridPoints = 100000;

// BadBounds when a box does not hold a number or a step is not above 0.
PuffGrid computePuffGrid(const PuffInputs &in, const PuffGridBounds &bounds);

// The grid as its hand-off file holds it: x and y from 0, each value in the
// default single text.
QString puffGridText(const PuffGrid &grid);

// Floor of a box's number, or nothing.
std::optional<double> floorOf(std::optional<double> value);

// Rounds of the critical-distance search: 25,000 m at one per centimetre.
inline constexpr long kMaxSearchRounds = 2500000;

struct CriticalDistance
{
    bool found = false;
    double x = 0;     // m, the answer when found
    long rounds = 0;  // rounds run
};

// The first multiple of 0.01 m from 0.01 on at which the concentration on the
// axis (y = 0) lies within 0.5 % of `cc`. Not found within `maxRounds` rounds
// (nor at all when cc is 0 or not a number, for which the test is never met).
CriticalDistance criticalDistance(const PuffInputs &in, std::optional<double> cc,
                                  long maxRounds = kMaxSearchRounds);

} // namespace corvalen
