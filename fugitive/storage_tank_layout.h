#pragma once

// How the storage-tank window lays itself out for each roof type: every
// labelled box with its caption at opening and under each type, its
// tooltips, and what a double-click into a box offers under each type.

#include "fugitive/storage_tank.h"

#include <QStringView>
#include <array>
#include <span>

namespace corvalen {

// Per type, in the order dome, external floating roof, internal floating
// roof (TankType's order).
template <class T>
using ByType = std::array<T, 3>;

inline int typeIndex(TankType type)
{
    return static_cast<int>(type);
}

struct TankRow
{
    const char *box;
    const char *label;
    // The caption at opening. The window opens with the dome type's rows
    // shown (and its own captions), so a row without a dome caption is
    // hidden at opening.
    QStringView opening;
    ByType<QStringView> captions;           // empty: the row is hidden under that type
    QStringView toolTip = {};               // the box's tooltip at opening
    ByType<QStringView> typeToolTips = {};  // set with the type where not empty
};

// Every labelled box of the two loss frames and the total, by box name;
// the frames' order of rows is the window's.
std::span<const TankRow> tankRows();
const TankRow *tankRow(QStringView box);

// What a double-click into a box does under a type: shows a message, opens
// a window by name, or nothing (both empty).
struct TankHelp
{
    QStringView message = {};
    QStringView window = {};
};

struct TankHelpRow
{
    const char *box;
    ByType<TankHelp> help;
};

std::span<const TankHelpRow> tankHelpRows();

// The coefficient tables the double-clicks open.
inline constexpr QStringView kPaintFactorWindow = u"tlxs";
inline constexpr QStringView kSealFactorWindow = u"mfxs";
inline constexpr QStringView kRimSealFactorWindow = u"边圈密封损耗系数";

} // namespace corvalen
