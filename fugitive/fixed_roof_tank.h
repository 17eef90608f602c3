#pragma once

// Breathing and working losses of a fixed-roof tank that stores an organic
// liquid. The window keeps every value in its boxes as text: the live
// factors C and KN are written from the diameter and the turnovers, and a
// press reads the nine factor texts anew and uses them directly in
// double-precision arithmetic (GeneralValue), so C and KN count with the
// decimals their boxes show.

#include "common/numbers/general_value.h"

#include <QString>
#include <QStringView>

namespace corvalen {

// Results through one pattern: six decimals, no leading zero, 0 as ".".
inline constexpr QStringView kFixedRoofLossPattern = u"#########.######";
inline constexpr QStringView kSmallDiameterPattern = u"####.####";
inline constexpr QStringView kTurnoverPattern = u"####.#####";

// Shown when a factor of a press is 0; the press goes on.
inline constexpr QStringView kFixedRoofZeroMessage =
    u"请检查你的各项参数的输入，你输入的参数中有为0的选项!请重新输入";

// Product factor KC written by the two options: crude oil, other liquids.
inline constexpr QStringView kCrudeOilProductFactor = u"0.65";
inline constexpr QStringView kOtherLiquidProductFactor = u"1";

// C, the factor of small tanks, from the diameter text D (m):
// 1 − 0.0123 (D − 9)² below 9 m, "1" from 9 m on, "." for no number.
QString smallDiameterFactorText(const QString &diameter);

// KN, the turnover factor, from K turnovers a year: "1" up to 36 (and for
// no number), 11.467 K^−0.7026 up to 220, "0.26" beyond.
QString fixedRoofTurnoverFactorText(const QString &turnovers);

// The nine factor texts a press reads; K itself is not among them.
struct FixedRoofTankInputs
{
    QString molecularWeight;  // M
    QString vapourPressure;   // P, true vapour pressure of the bulk liquid, Pa
    QString diameter;         // D, m
    QString vapourHeight;     // H, mean height of the vapour space, m
    QString temperatureRange; // ΔT, mean daily range, °C
    QString paintFactor;      // FP
    QString smallDiameter;    // C, as its box shows it
    QString productFactor;    // KC
    QString turnoverFactor;   // KN, as its box shows it
};

// Whether the zero message is due: every text is a number and one of them
// is 0. A text that is no number skips the test.
bool hasZeroFactor(const FixedRoofTankInputs &in);

// LB = 0.191 M (P/(100910 − P))^0.68 D^1.73 H^0.51 ΔT^0.45 FP C KC, kg/a.
GeneralValue fixedRoofBreathingLoss(const FixedRoofTankInputs &in);
// LW = 4.188·10^−7 M P KN KC, kg per m³ put into the tank.
GeneralValue fixedRoofWorkingLoss(const FixedRoofTankInputs &in);

} // namespace corvalen
