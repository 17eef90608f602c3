#include "fugitive/storage_tank.h"

#include "common/numbers/general_value.h"
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {
namespace {

// The two readings of a box's text. GeneralValue's arithmetic fails on a
// division by zero, an undefined power and an outcome beyond the double
// range, and a failure carries through the rest of a formula.
GeneralValue converted(const QString &text)
{
    const std::optional<double> value = ToDouble(text);
    return value ? GeneralValue(*value) : GeneralValue::failed();
}

GeneralValue leading(const QString &text)
{
    const std::optional<double> value = Finite(LeadingNumber(text));
    return value ? GeneralValue(*value) : GeneralValue::failed();
}

// A step whose failure leaves the box's text, a number in it rewritten.
QString keptOnFailure(const GeneralValue &value, const QString &shown, QStringView pattern)
{
    return value.isFailed() ? ApplyDisplayPattern(shown, pattern) : ApplyDisplayPattern(value, pattern);
}

GeneralValue floatingWorkingLoss(const FloatingWorkingInputs &in)
{
    const GeneralValue d = converted(in.diameter);
    return 4 * converted(in.throughput) * converted(in.adhesion) * converted(in.density) / (1000 * d);
}

} // namespace

QStringList tankTypeItems()
{
    return {kDomeTank.toString(), kExternalFloatingTank.toString(), kInternalFloatingTank.toString()};
}

std::optional<TankType> tankTypeOf(QStringView listText)
{
    if (listText == kDomeTank)
        return TankType::Dome;
    if (listText == kExternalFloatingTank)
        return TankType::ExternalFloating;
    if (listText == kInternalFloatingTank)
        return TankType::InternalFloating;
    return std::nullopt;
}

QString domeWorkingLossText(const DomeWorkingInputs &in, const QString &shown)
{
    const GeneralValue loss = converted(in.pumpedVolume) * converted(in.meanPressure) * converted(in.turnoverFactor)
        * converted(in.productFactor) / (converted(in.unitFactor) * (690 - 4 * converted(in.molarMass)));
    return keptOnFailure(loss, shown, kWorkingLossPattern);
}

QString externalWorkingLossText(const FloatingWorkingInputs &in, const QString &shown)
{
    return keptOnFailure(floatingWorkingLoss(in), shown, kWorkingLossPattern);
}

QString internalWorkingLossText(const FloatingWorkingInputs &in, const QString &shown)
{
    const GeneralValue columns = 1 + converted(in.columns) * converted(in.columnDiameter) / converted(in.diameter);
    return keptOnFailure(floatingWorkingLoss(in) * columns, shown, kWorkingLossPattern);
}

QString meanVapourPressureText(const QString &lowest, const QString &highest)
{
    return ApplyDisplayPattern((leading(lowest) + leading(highest)) / 2, kMeanPressurePattern);
}

QString turnoversText(const QString &throughput, const QString &volume, const QString &shown)
{
    return keptOnFailure(converted(throughput) / converted(volume), shown, kTurnoversPattern);
}

std::optional<QString> turnoverFactorText(const QString &turnovers)
{
    const std::optional<double> n = ToDouble(turnovers);
    if (!n)
        return std::nullopt;
    if (*n <= 36)
        return QStringLiteral("1");
    const GeneralValue factor = (180 + GeneralValue(*n)) / (6 * GeneralValue(*n));
    if (factor.isFailed())
        return std::nullopt;
    return ApplyDisplayPattern(factor, kTurnoverFactorPattern);
}

QString diameterCorrectionText(const QString &diameter)
{
    const GeneralValue d = leading(diameter);
    if (!d.isFailed() && d.toDouble() >= 9.14)
        return QStringLiteral("1");
    const GeneralValue c1 = 0.082626 + 0.073636 * d + 0.0013099 * power(d, 2) + 1.9891e-6 * power(d, 3);
    return ApplyDisplayPattern(c1, kDiameterCorrectionPattern);
}

QString sealLossFactorText(const SealInputs &in)
{
    const GeneralValue ft = leading(in.sealFactor) * power(2.24 * leading(in.windSpeed), leading(in.exponent));
    return ApplyDisplayPattern(ft, kSealLossFactorPattern);
}

QString pressureFunctionText(const QString &meanPressure, const QString &atmospheric)
{
    const GeneralValue py = leading(meanPressure);
    const GeneralValue pa = leading(atmospheric);
    const GeneralValue p = py / (pa * power(1 + power(1 - py / pa, 0.5), 2));
    return ApplyDisplayPattern(p, kPressureFunctionPattern);
}

QString domeStandingLossText(const DomeStandingInputs &in)
{
    const GeneralValue p = leading(in.bulkPressure);
    const GeneralValue loss = 0.024 * leading(in.unitFactor) * leading(in.productFactor)
        * power(p / (leading(in.atmospheric) - p), 0.68) * power(leading(in.diameter), 1.73)
        * power(leading(in.vapourHeight), 0.51) * power(leading(in.dailyRange), 0.5) * leading(in.paintFactor)
        * leading(in.correction);
    return ApplyDisplayPattern(loss, kDomeStandingLossPattern);
}

QString externalStandingLossText(const ExternalStandingInputs &in)
{
    const GeneralValue loss = 0.46 * (3.28 * converted(in.sealLossFactor) * converted(in.diameter)
                                      + converted(in.fittingsFactor))
        * converted(in.pressureFunction) * converted(in.molarMass) * converted(in.productFactor);
    return ApplyDisplayPattern(loss, kFloatingStandingLossPattern);
}

QString internalStandingLossText(const InternalStandingInputs &in)
{
    const GeneralValue kc = converted(in.rimSealFactor);
    const GeneralValue d = converted(in.diameter);
    const GeneralValue loss = converted(in.unitFactor)
        * (kc * d + converted(in.columnDiameter) + converted(in.weldFactor) * converted(in.seamFactor) * power(d, 2))
        * converted(in.pressureFunction) * converted(in.molarMass) * kc;
    return ApplyDisplayPattern(loss, kFloatingStandingLossPattern);
}

QString annualTotalText(const QString &working, const QString &standing)
{
    return ApplyDisplayPattern(leading(working) + leading(standing), kTotalPattern);
}

} // namespace corvalen
