#pragma once

// Plume rise ΔH and effective stack height He = H + ΔH of one stack by the
// atmospheric assessment guideline: the heat release rate
// Qh = 0.35 Pa Qv ΔT / Ts (Pa in hPa, Ts in K) picks, with the stability
// class, the wind speed at the stack exit and ΔT, one of the power law
// ΔH = n0 Qh^n1 H^n2 / U, the small-source formula, the band between them,
// the stable-air formula and the calm-wind formula.

#include <QString>
#include <QStringList>
#include <optional>

namespace corvalen {

// The class list, in the window's order.
QStringList plumeRiseClasses();
// The gradient dT/dz (K/m) a chosen class writes; none for "D-E" and for a
// text outside the list.
std::optional<double> defaultLapseRate(const QString &stabilityClass);

// The texts of the boxes as typed.
struct PlumeRiseInputs
{
    QString height;          // H (m)
    QString diameter;        // d, inner diameter of the exit (m)
    QString gasFlow;         // Qv (m³/s)
    QString gasTemperature;  // Ts (°C)
    QString stabilityClass;
    QString windSpeed10;     // U10 (m/s), echoed in the report only
    QString windSpeed;       // U at the stack exit (m/s)
    QString airTemperature;  // T (°C)
    QString lapseRate;       // dT/dz above the stack top (K/m)
    QString pressure;        // Pa (atm)
    bool rural = true;
};

enum class PlumeRiseRule { None, PowerLawUpper, PowerLawLower, Transition, SmallSource, Stable, Calm };

// The values of one press; a value that its step could not form is empty
// (and counts as 0 in later steps).
struct PlumeRiseResult
{
    PlumeRiseRule rule = PlumeRiseRule::None;
    std::optional<double> temperatureDifference;  // ΔT (K)
    std::optional<double> heatRelease;            // Qh (kJ/s)
    std::optional<double> exitVelocity;           // Vs (m/s)
    std::optional<double> n0, n1, n2;             // as reported
    std::optional<double> rise;                   // ΔH (m)
    std::optional<double> effectiveHeight;        // He (m)
    QString report;                               // 21 lines
};

PlumeRiseResult computePlumeRise(const PlumeRiseInputs &in);

} // namespace corvalen
