#pragma once

// Steady cumulative-flow mixing in a bending river of near-rectangular
// section (guideline river models 4 and 8): the transverse coordinate is
// the flow q = H u y across it; model 8 adds first-order decay at K1.

#include "water/river_grid_bounds.h"

#include <optional>

namespace corvalen {

// The grid cells' display pattern, as the point's.
inline constexpr QStringView kCumulativeGridPattern = kRiverPointPattern;

// The parameter boxes as typed.
struct CumulativeBoxes
{
    QString qh;  // Text1, river flow, m³/s
    QString h;   // Text2, depth, m
    QString ch;  // Text3, background concentration, mg/L
    QString qp;  // Text5, wastewater flow, m³/s
    QString my;  // Text6, transverse mixing coefficient, m²/s
    QString cp;  // Text7, concentration of the discharge, mg/L
    QString a;   // Text8, outfall's distance from the bank, m
    QString u;   // Text16, velocity, m/s
    QString k1;  // Text4, overall decay coefficient, 1/d (model 8 only)
    bool decays = false;  // model 8
};

// The parameter boxes, each converted to a single (0 when its text is no
// number).
struct CumulativeInputs
{
    float qh = 0;  // river flow, m³/s
    float h = 0;   // depth, m
    float ch = 0;  // background concentration, mg/L
    float qp = 0;  // wastewater flow, m³/s
    float my = 0;  // transverse mixing coefficient, m²/s
    float cp = 0;  // concentration of the discharge, mg/L
    float a = 0;   // outfall's distance from the bank, m; exactly 0: at the bank
    float u = 0;   // velocity, m/s
    bool decays = false;  // model 8
    float k1 = 0;         // overall decay coefficient, 1/d (model 8)
};

// The steps' quantities. The products of parameters are singles, the rest
// doubles. A step that fails (a division by zero, the root of a negative
// number, an overflow, an x or y that is no number) leaves its quantity as
// it was: 0 in a fresh set, the previous grid point's value in a grid.
struct CumulativeTerms
{
    float hu = 0;         // H u
    float twoQh = 0;      // 2 Qh
    float twoAHu = 0;     // 2 a H u
    float farShift = 0;   // 2 Qh - 2 a H u
    float minusK1 = 0;    // -K1
    double q = 0;         // cumulative flow y (H u), m³/s
    double mq = 0;        // H² u My
    double k = 0;         // decay factor exp(-K1 x / (86400 u)), model 8
    double coefficient = 0;  // Cp Qp / √(π Mq x), halved off the bank
    double e1 = 0;        // E(q)
    double e2 = 0;        // E(2 Qh - q) at the bank, E(2 a H u + q) off it
    double e3 = 0;        // off the bank: E(2 Qh - 2 a H u - q)
    double c = 0;         // mg/L
};

// Every step in order at (x, y), into `terms`; x and y are nothing when the
// text they come from is no number.
void evaluateCumulative(const CumulativeInputs &in, std::optional<double> x,
                        std::optional<double> y, CumulativeTerms &terms);

// The boxes converted, each to a single.
CumulativeInputs cumulativeInputs(const CumulativeBoxes &boxes);

// The point button: a fresh set of terms, the concentration.
double cumulativePoint(const CumulativeInputs &in, std::optional<double> x,
                       std::optional<double> y);

// The point's text as Text11 shows it; X and Y as doubles from their texts.
QString cumulativePointText(const CumulativeBoxes &boxes, const QString &x, const QString &y);

// The grid button: rows from x = 10, one set of terms carried from point to
// point, each value through kCumulativeGridPattern.
GridResult cumulativeGrid(const CumulativeBoxes &boxes, const GridBoxes &grid);

} // namespace corvalen
