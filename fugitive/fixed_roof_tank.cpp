#include "fugitive/fixed_roof_tank.h"

#include "common/numbers/number_text.h"
#include "common/numbers/general_value.h"

#include <array>

namespace corvalen {

QString smallDiameterFactorText(const QString &diameter)
{
    const std::optional<double> d = ToDouble(diameter);
    if (!d)
        return ApplyDisplayPattern(GeneralValue::failed(), kSmallDiameterPattern);
    if (*d >= 9)
        return QStringLiteral("1");
    const GeneralValue shortfall = GeneralValue(diameter) - GeneralValue(9);
    return ApplyDisplayPattern(GeneralValue(1) - GeneralValue(0.0123) * power(shortfall, GeneralValue(2)),
                               kSmallDiameterPattern);
}

QString fixedRoofTurnoverFactorText(const QString &turnovers)
{
    const std::optional<double> k = ToDouble(turnovers);
    if (!k || *k <= 36)
        return QStringLiteral("1");
    if (*k <= 220)
        return ApplyDisplayPattern(GeneralValue(11.467) * power(GeneralValue(turnovers), GeneralValue(-0.7026)),
                                   kTurnoverPattern);
    return QStringLiteral("0.26");
}

bool hasZeroFactor(const FixedRoofTankInputs &in)
{
    const std::array texts{in.molecularWeight, in.vapourPressure, in.diameter,     in.vapourHeight,  in.temperatureRange,
                           in.paintFactor,     in.smallDiameter,  in.productFactor, in.turnoverFactor};
    bool zero = false;
    for (const QString &text : texts) {
        const std::optional<double> value = ToDouble(text);
        if (!value)
            return false;
        zero = zero || *value == 0;
    }
    return zero;
}

GeneralValue fixedRoofBreathingLoss(const FixedRoofTankInputs &in)
{
    const GeneralValue p(in.vapourPressure);
    // Left to right, each power before its product, as the formula reads.
    GeneralValue lb = GeneralValue(0.191) * GeneralValue(in.molecularWeight);
    lb = lb * power(p / (GeneralValue(100910) - p), GeneralValue(0.68));
    lb = lb * power(GeneralValue(in.diameter), GeneralValue(1.73));
    lb = lb * power(GeneralValue(in.vapourHeight), GeneralValue(0.51));
    lb = lb * power(GeneralValue(in.temperatureRange), GeneralValue(0.45));
    return lb * GeneralValue(in.paintFactor) * GeneralValue(in.smallDiameter) * GeneralValue(in.productFactor);
}

GeneralValue fixedRoofWorkingLoss(const FixedRoofTankInputs &in)
{
    // 4.188 · 10^−7 as written: the power first, then the product.
    const GeneralValue factor = GeneralValue(4.188) * power(GeneralValue(10), GeneralValue(-7));
    return factor * GeneralValue(in.molecularWeight) * GeneralValue(in.vapourPressure)
           * GeneralValue(in.turnoverFactor) * GeneralValue(in.productFactor);
}

} // namespace corvalen
