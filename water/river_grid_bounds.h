#pragma once

// What the four grid river models share: the grid's axes, bounded, the grid
// of values and its hand-off text, and the conversion of a parameter box.

#include <QString>
#include <QStringView>
#include <QVector>
#include <optional>

namespace corvalen {

// Most points a river grid may have (rows times columns; rows alone when a
// grid has no columns). A run of the largest grid stays well under a second
// and its result window stays usable.
inline constexpr qsizetype kMaxRiverGridPoints = 100000;

// Rows start 10 m below the outfall: at x = 0 the formulas have no value.
inline constexpr double kRiverGridFirstX = 10;

// π as the guideline's grid river models write it.
inline constexpr double kRiverPi = 3.1415926;

// Seconds per day in the decay factors (K1 in 1/d, velocities in m/s).
inline constexpr double kSecondsPerDay = 86400;

// The point result's display pattern, all four models.
inline constexpr QStringView kRiverPointPattern = u"####.####";

// The grid boxes XL, Xc, YL and Yc as numbers; nothing for a box whose text
// is not a number.
struct RiverGridBounds
{
    std::optional<double> xEnd;   // XL, m downstream
    std::optional<double> xStep;  // Xc, m
    std::optional<double> yEnd;   // YL, m across
    std::optional<double> yStep;  // Yc, m
};

enum class RiverGridOutcome {
    Done,
    BadBounds,      // a box that is no number, or a step not above 0
    TooManyPoints,  // beyond kMaxRiverGridPoints
};

// A computed grid: x from 10 by Xc up to XL, y from 0 by Yc up to YL, both
// counted in double precision; values row by row.
struct RiverGrid
{
    RiverGridOutcome outcome = RiverGridOutcome::Done;
    QVector<double> xValues;
    QVector<double> yValues;
    QVector<double> values;
};

// The axes of a grid (no values yet), or the outcome that stops it.
RiverGrid riverGridAxes(const RiverGridBounds &bounds);

// The hand-off text of a grid (without the CR LF the write adds): x and y in
// the default double text, each value through `pattern`.
QString riverGridText(const RiverGrid &grid, QStringView pattern);

// A parameter box converted to a single; a text that is no number counts
// as 0.
float singleOrZero(QStringView text);

} // namespace corvalen
