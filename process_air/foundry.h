#pragma once

// Foundry particulates by emission factors (kg per t of raw material or
// product) after the handbook's table of six branches: a furnace and a dust
// treatment chosen per branch give the factor.

#include <QList>
#include <QString>
#include <QStringList>

namespace corvalen {

// The pair of lists of one branch: furnace and treatment texts.
struct FoundryChoice
{
    QString furnace;
    QString treatment;
};

struct FoundryInputs
{
    FoundryChoice aluminium{};  // Combo1, Combo7
    FoundryChoice brass{};      // Combo2, Combo8
    FoundryChoice greyIron{};   // Combo3, Combo9
    FoundryChoice lead{};       // Combo4, Combo10
    FoundryChoice steel{};      // Combo5, Combo11
    FoundryChoice zinc{};       // Combo6, Combo12
    QString amount{};           // Text1, t
};

struct FoundryFactor
{
    QString furnace;
    QString treatment;
    double factor;  // kg/t
};

struct FoundryBranch
{
    FoundryChoice FoundryInputs::*choice;
    QString label;              // caption of the branch label
    QStringList furnaces;       // items of the furnace list
    QStringList treatments;     // items of the treatment list
    QList<FoundryFactor> factors;
};

// The six branches in the order a press evaluates them.
const QList<FoundryBranch> &foundryBranches();

// "未有统计数据": a chosen furnace whose treatment has no factor.
extern const QString kNoStatisticsMessage;

struct Foundry
{
    float emission = 0;  // kg, single-precision window-level value

    // Each branch whose furnace text is known: on a known treatment
    // E := amount × factor (kept when the amount is no number), so a later
    // branch overwrites an earlier one; on an unknown treatment one message.
    // Returns how many messages the press shows, in branch order.
    int press(const FoundryInputs &in);
};

} // namespace corvalen
