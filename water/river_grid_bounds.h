#pragma once

// What the four grid river models share: the rules of their grid walk, the
// constants of their formulas and the conversion of a parameter box.

#include "common/files/grid_walk.h"

#include <QString>
#include <QStringView>

namespace corvalen {

// Rows start 10 m below the outfall: at x = 0 the formulas have no value.
inline constexpr double kRiverGridFirstX = 10;

// The grid: rows from x = 10, the boxes' numbers as typed, the bar full at
// the end.
inline constexpr GridRules kRiverGridRules{
    .firstX = kRiverGridFirstX,
    .numbers = GridNumbers::AsTyped,
    .barFullAtEnd = true,
    .badBoundsMessage = u"流线、横向的范围和网格须为数值，且网格不能为0，网格计算未进行！",
};

// π as the guideline's grid river models write it.
inline constexpr double kRiverPi = 3.1415926;

// Seconds per day in the decay factors (K1 in 1/d, velocities in m/s).
inline constexpr double kSecondsPerDay = 86400;

// The point result's display pattern, all four models.
inline constexpr QStringView kRiverPointPattern = u"####.####";

// A parameter box converted to a single; a text that is no number counts
// as 0.
float singleOrZero(QStringView text);

} // namespace corvalen
