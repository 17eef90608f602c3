#pragma once

#include "common/files/grid_walk.h"

#include <QString>
#include <optional>

namespace corvalen {

// The window's puff boxes as typed: Q in mg, lengths in m.
struct PuffBoxes
{
    QString q;       // Text1
    QString sigmaX;  // Text2
    QString sigmaY;  // Text3
    QString sigmaZ;  // Text4
    QString x0;      // Text8
    QString y0;      // Text9
    QString z0;      // Text10
};

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

PuffInputs puffInputs(const PuffBoxes &boxes);

// One puff at a ground point (guideline puff formula, ground reflection
// included); evaluates every step in order into `factors`.
void evaluatePuff(const PuffInputs &in, std::optional<double> x, std::optional<double> y,
                  PuffFactors &factors);
// The point computation: fresh factors, the single-precision C.
float pointConcentration(const PuffInputs &in, std::optional<double> x, std::optional<double> y);

// Rounds a grid value to six decimals (kept unrounded when that text holds no
// digit) and lifts it to the floor value 1E-8.
float roundedGridValue(float c);

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

// The grid: rows from x = 0, the boxes' whole metres, the bar left at the
// last row.
inline constexpr GridRules kPuffGridRules{
    .firstX = 0,
    .numbers = GridNumbers::WholeMetres,
    .barFullAtEnd = false,
    .badBoundsMessage = u"纵向、横向的范围和网格须为数值，且网格取整后不能为0，网格计算未进行！",
};

// The point button: the text of C at (x, y) as Text7 shows it.
QString puffPointText(const PuffBoxes &boxes, const QString &x, const QString &y);

// The grid button: each value rounded and floored, in the default single
// text, one set of factors carried from point to point.
GridResult puffGrid(const PuffBoxes &boxes, const GridBoxes &grid);

// The critical-distance button: the distance as Text16 shows it, and how
// the search went (the bar follows it).
struct PuffDistance
{
    QString text;
    CriticalDistance search;
};
PuffDistance puffDistance(const PuffBoxes &boxes, const QString &cc);

} // namespace corvalen
