#pragma once

// Harmful gas escaping through the untight joints of equipment and pipes
// under pressure, after the environmental statistics handbook:
//   Gc = K C V √(M / (T + 273)), kg/h.
// Every input is read as a single; one that is empty or no number counts
// as 0. A recomputation starts from nothing: a failure (T = −273, a negative
// radicand, an overflow) leaves Gc at 0.

#include <QString>

namespace corvalen {

struct UntightEquipmentInputs
{
    QString volume;           // V, inner volume of equipment and pipes, m³
    QString safetyFactor;     // K, between 1 and 2
    QString coefficient;      // C, by the pressure in the equipment
    QString molecularWeight;  // M of the gas or vapour
    QString temperature;      // T of the gas or vapour, °C
};

float untightEquipmentLeak(const UntightEquipmentInputs &in);

} // namespace corvalen
