#pragma once

// Boiler slag and fly ash from the coal burned (handbook of environmental
// statistics, the boiler ash and slag method). The inputs are used as
// texts in arithmetic: a step with an empty or non-numeric operand, or a
// division by zero, fails and leaves its value at 0 for the later steps.

#include <QString>
#include <optional>

namespace corvalen {

struct BoilerAshInput
{
    QString coal;        // B, t
    QString ash;         // A, % of the coal
    QString sootShare;   // dfh, % of the ash carried off as soot
    QString sootCombustible;  // Cfh, %
    QString efficiency;  // η of the dust collector, %
    QString slagCombustible;  // Ciz, %
};

struct BoilerAsh
{
    double slag = 0;    // S, t
    double flyAsh = 0;  // F, t
};

BoilerAsh boilerAsh(const BoilerAshInput &input);

// A result box's text: floor(1000 × tonnes) kg in the default double text;
// none when the kilograms are beyond the double range.
std::optional<QString> kilogramText(double tonnes);

} // namespace corvalen
