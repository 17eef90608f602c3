#pragma once

// Working loss (大呼吸) and standing loss (小呼吸) of oil storage tanks of
// three roof types, after the petroleum depot energy-saving design
// guideline, with the factors the tank window derives while the user types
// and the annual total. Dome-roof losses are volumes in m³/a, floating-roof
// losses masses in kg/a.
//
// Every step reads the texts its boxes show and gives the text it writes.
// A text is read one of two ways, named at each step: converted (ToDouble;
// an empty or non-numeric text fails the step) or by its leading number
// (LeadingNumber; an empty or non-numeric text counts as 0, only a number
// too large to hold fails). A division by zero, a negative base under a
// fractional power and an outcome beyond the double range fail a step too.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace corvalen {

enum class TankType { Dome, ExternalFloating, InternalFloating };

// The items of the type list, in their order.
inline constexpr QStringView kDomeTank = u"拱顶罐";
inline constexpr QStringView kExternalFloatingTank = u"浮顶油罐";
inline constexpr QStringView kInternalFloatingTank = u"内浮顶油罐";
QStringList tankTypeItems();
// The type in force: the list's text equal to an item; none for any other
// text, and then every type-dependent step does nothing.
std::optional<TankType> tankTypeOf(QStringView listText);

inline constexpr QStringView kWorkingLossPattern = u"####.###";
inline constexpr QStringView kMeanPressurePattern = u"###.###";
inline constexpr QStringView kTurnoversPattern = u"####.###";
inline constexpr QStringView kTurnoverFactorPattern = u"####.###";
inline constexpr QStringView kDiameterCorrectionPattern = u"####.####";
inline constexpr QStringView kSealLossFactorPattern = u"##.####";
inline constexpr QStringView kPressureFunctionPattern = u"##.####";
inline constexpr QStringView kDomeStandingLossPattern = u"####.###";
inline constexpr QStringView kFloatingStandingLossPattern = u"##.####";
inline constexpr QStringView kTotalPattern = u"####.###";

// Working loss, all texts converted. `shown` is the result box's text: a
// failed step leaves it, a number in it rewritten through the pattern.
// Dome: LW = V1 · Py · Kt · K1 / (K · (690 − 4 · u)), m³/a. Nothing checks
// u: above 172.5 the loss turns negative, at 172.5 the step fails.
struct DomeWorkingInputs
{
    QString pumpedVolume;    // V1, liquid pumped into the tank, m³
    QString meanPressure;    // Py, vapour pressure at the mean liquid temperature, kPa
    QString turnoverFactor;  // Kt
    QString productFactor;   // K1: gasoline 1, crude oil 0.75
    QString unitFactor;      // K, 51.6
    QString molarMass;       // u, molar mass of the vapour, kg/kmol
};
QString domeWorkingLossText(const DomeWorkingInputs &in, const QString &shown);

// Floating roofs: LW = 4 · Q · C · ρy / (1000 · D), kg/a; the internal
// floating roof multiplies by (1 + Nc · Fc / D).
struct FloatingWorkingInputs
{
    QString throughput;           // Q, annual throughput, m³/a
    QString adhesion;             // C, wall adhesion factor, m³/1000 m²
    QString density;              // ρy, oil density, kg/m³
    QString diameter;             // D, tank diameter, m
    QString columns = {};         // Nc, number of columns (internal roof)
    QString columnDiameter = {};  // Fc, effective column diameter, m (internal roof)
};
QString externalWorkingLossText(const FloatingWorkingInputs &in, const QString &shown);
QString internalWorkingLossText(const FloatingWorkingInputs &in, const QString &shown);

// Py = (Py1 + Py2) / 2, leading numbers, kPa.
QString meanVapourPressureText(const QString &lowest, const QString &highest);

// Turnovers N = Q / V, converted; a failed step leaves `shown` as the
// working loss does.
QString turnoversText(const QString &throughput, const QString &volume, const QString &shown);

// Turnover coefficient from the turnover box's text, converted: "1" for
// N ≤ 36, else Kt = (180 + N) / (6 · N). None when the step fails: the box
// keeps its text.
std::optional<QString> turnoverFactorText(const QString &turnovers);

// Small-diameter correction from the diameter's leading number: "1" from
// 9.14 m on, else C1 = 0.082626 + 0.073636 D + 0.0013099 D² + 1.9891e-6 D³
// (not continuous at 9.14).
QString diameterCorrectionText(const QString &diameter);

// Seal loss factor of an external floating roof, leading numbers:
// Ft = Kt · (2.24 · V)^n.
struct SealInputs
{
    QString sealFactor;  // Kt, seal factor
    QString windSpeed;   // V, mean wind speed at the tank, m/s
    QString exponent;    // n, seal wind-speed exponent
};
QString sealLossFactorText(const SealInputs &in);

// Vapour pressure function of the floating roofs, leading numbers:
// P* = Py / (Pa · (1 + (1 − Py / Pa)^0.5)²).
QString pressureFunctionText(const QString &meanPressure, const QString &atmospheric);

// Dome standing loss, leading numbers, m³/a:
// LS = 0.024 · K2 · K3 · (P / (P1 − P))^0.68 · D^1.73 · H^0.51 · ΔT^0.5 · Fp · C1.
struct DomeStandingInputs
{
    QString bulkPressure;   // P, vapour pressure at the bulk liquid temperature, kPa
    QString atmospheric;    // P1, local atmospheric pressure, kPa
    QString vapourHeight;   // H, height of the vapour space, m
    QString dailyRange;     // ΔT, mean daily range of air temperature, °C
    QString paintFactor;    // Fp
    QString unitFactor;     // K2, 3.05
    QString productFactor;  // K3: gasoline 1, crude oil 0.58
    QString correction;     // C1, small-diameter correction
    QString diameter;       // D, m
};
QString domeStandingLossText(const DomeStandingInputs &in);

// External floating roof, converted, kg/a:
// LS = 0.46 · (3.28 · Ft · D + Ff) · P* · Mv · Kc.
struct ExternalStandingInputs
{
    QString sealLossFactor;    // Ft
    QString diameter;          // D, m
    QString fittingsFactor;    // Ff, total loss factor of the deck fittings
    QString pressureFunction;  // P*
    QString molarMass;         // Mv, kg/kmol
    QString productFactor;     // Kc: crude oil 0.4, gasoline 0.1
};
QString externalStandingLossText(const ExternalStandingInputs &in);

// Internal floating roof, converted, kg/a:
// LS = K8 · (Kc · D + Fc + Fd · Kd · D²) · P* · Mv · Kc. The rim seal
// factor Kc stands twice and Fc is the column diameter asked in the
// standing-loss frame; the deck fittings' factor takes no part.
struct InternalStandingInputs
{
    QString weldFactor;        // Fd, deck weld length factor
    QString seamFactor;        // Kd: welded deck 0, otherwise 3.66
    QString rimSealFactor;     // Kc
    QString unitFactor;        // K8, 0.45
    QString pressureFunction;  // P*
    QString molarMass;         // Mv, kg/kmol
    QString diameter;          // D, m
    QString columnDiameter;    // Fc, m
};
QString internalStandingLossText(const InternalStandingInputs &in);

// The annual total of the two result texts as shown, leading numbers.
QString annualTotalText(const QString &working, const QString &standing);

} // namespace corvalen
