#pragma once

// Two-dimensional steady mixing in a straight river of rectangular section
// (guideline river models 2 and 6): the concentration at a point x below
// and y across from an outfall at or off the bank, no longitudinal mixing;
// model 6 adds first-order decay at the rate K1.

#include "water/river_grid_bounds.h"

#include <optional>

namespace corvalen {

// The grid cells' display pattern: always four decimals.
inline constexpr QStringView kMixingGridPattern = u"####0.0000";

// The parameter boxes as typed.
struct MixingBoxes
{
    QString ch;  // Text1, upstream concentration, mg/L
    QString cp;  // Text2, concentration in the wastewater, mg/L
    QString h;   // Text3, mean depth, m
    QString my;  // Text4, transverse mixing coefficient, m²/s
    QString u;   // Text5, mean velocity, m/s
    QString qp;  // Text6, wastewater flow, m³/s
    QString b;   // Text7, river width, m
    QString a;   // Text8, outfall's distance from the bank, m
    QString k1;  // Text16, decay rate, 1/d (model 6 only)
    bool decays = false;  // model 6
};

// The parameter boxes, each converted to a single (0 when its text is no
// number).
struct MixingInputs
{
    float ch = 0;  // upstream concentration, mg/L
    float cp = 0;  // concentration in the wastewater, mg/L
    float h = 0;   // mean depth, m
    float my = 0;  // transverse mixing coefficient, m²/s
    float u = 0;   // mean velocity, m/s
    float qp = 0;  // wastewater flow, m³/s
    float b = 0;   // river width, m
    float a = 0;   // outfall's distance from the bank, m; exactly 0: at the bank
    bool decays = false;       // model 6
    std::optional<double> k1;  // decay rate, 1/d (model 6); nothing when its text is no number
};

// The steps' quantities, all double. A step that fails (a division by zero,
// the root of a negative number, an overflow, K1 no number) leaves its
// quantity as it was: 0 in a fresh set, the previous cell's value in a grid.
struct MixingTerms
{
    double d = 0;   // decay factor exp(-K1 x / (86400 u)), model 6
    double f = 0;   // Cp Qp / (H √(π My x u)), halved off the bank
    double e1 = 0;  // the source
    double e2 = 0;  // its image in the far bank (at the bank) or the near bank
    double e3 = 0;  // off the bank: the image in the far bank
    double c = 0;   // mg/L
};

// Every step in order at (x, y), into `terms`.
void evaluateMixing(const MixingInputs &in, float x, float y, MixingTerms &terms);

// The boxes converted: singles, K1 as a double.
MixingInputs mixingInputs(const MixingBoxes &boxes);

// The point button: a fresh set of terms, the concentration.
double mixingPoint(const MixingInputs &in, float x, float y);

// The point's text as Text11 shows it; X and Y as singles (0 when no number).
QString mixingPointText(const MixingBoxes &boxes, const QString &x, const QString &y);

// The grid button: rows from x = 10, one set of terms carried from cell to
// cell, x and y of each cell as singles, each value through
// kMixingGridPattern.
GridResult mixingGrid(const MixingBoxes &boxes, const GridBoxes &grid);

} // namespace corvalen
