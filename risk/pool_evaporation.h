#pragma once

// Evaporation of a spilled liquid pool in the three stages of the risk
// assessment guideline (HJ/T 169-2004): flash, heat and mass evaporation,
// and the total mass evaporated over the three stages' durations.
//
// Every input is its box's text used in double arithmetic: each operation
// converts its text operands, and an empty or non-numeric text, a division
// by zero, a root of a negative number or a result beyond the range fails
// the operation's whole step. A failed step's value stays as it started
// (0, for the total nothing), and the next step runs.

#include <QList>
#include <QString>
#include <optional>

namespace corvalen {

// A list item with the two coefficients it chooses.
struct CoefficientItem
{
    QString text;
    double first;   // λ (W/(m·K)) for a ground, a for a stability
    double second;  // α (m²/s) for a ground, n for a stability
};

const QList<CoefficientItem> &groundTypes();
const QList<CoefficientItem> &stabilityClasses();

struct FlashInputs
{
    QString released;          // Text1, W in kg
    QString duration;          // Text2, t1 in s
    QString heatCapacity;      // Text3, Cp in J/(kg·K)
    QString liquidTemperature; // Text4, TL in K
    QString boilingPoint;      // Text5, Tb in K
    QString vaporisationHeat;  // Text6, H in J/kg
};
// Q1 = F × W / t1 with the flash fraction F = Cp (TL − Tb) / H, kg/s. F is
// used as computed, also beyond 0 to 1.
float flashEvaporationRate(const FlashInputs &in);

struct HeatInputs
{
    QString groundType;          // Combo1
    QString ambientTemperature;  // Text8, T0 in K
    QString boilingPoint;        // Text9, Tb in K
    QString poolArea;            // Text10, S in m²
    QString vaporisationHeat;    // Text11, H in J/kg
    QString time;                // Text13, t in s
};
// Q2 = λ S (T0 − Tb) / (H √(π α t)), kg/s; 0 without a ground type.
float heatEvaporationRate(const HeatInputs &in);

struct MassInputs
{
    QString stability;           // Combo2
    QString vapourPressure;      // Text14, p in Pa
    QString molecularWeight;     // Text15, M
    QString windSpeed;           // Text16, u in m/s
    QString poolRadius;          // Text17, r in m
    QString ambientTemperature;  // Text19, T0 in K
};
// Q3 = a p M / (R T0) × u^((2 − n)/(2 + n)) × r^((4 + n)/(2 + n)), kg/s.
// Nothing without a stability: the result box keeps its text.
std::optional<float> massEvaporationRate(const MassInputs &in);

struct TotalInputs
{
    QString flashRate;  // Text7
    QString heatRate;   // Text12
    QString massRate;   // Text18
    QString flashTime;  // Text20, s
    QString heatTime;   // Text21, s
    QString massTime;   // Text22, s
};
// Wp = (Q1 t1 + Q2 t2) + Q3 t3 in double, kg; nothing when it fails.
std::optional<double> totalEvaporation(const TotalInputs &in);

} // namespace corvalen
