#include "risk/leak_rates.h"

#include "common/general_value.h"
#include "common/number_text.h"

#include <cmath>
#include <optional>

namespace corvalen {
namespace {

// A step worked out in double and stored in single: not finite (a division
// by zero, the root of a negative number, a power that cannot be formed) or
// beyond the single range, the step fails and the target keeps its value.
bool storeSingle(double value, float &target)
{
    if (!std::isfinite(value))
        return false;
    const float single = static_cast<float>(value);
    if (!std::isfinite(single))
        return false;
    target = single;
    return true;
}

bool storeSingle(const GeneralValue &value, float &target)
{
    const std::optional<double> v = value.isFailed() ? std::nullopt : value.asNumber();
    return v && storeSingle(*v, target);
}

// x^y, undefined where an operand is: a power whose exponent divided by
// zero cannot be formed (pow(1, ∞) would give 1).
double power(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return NAN;
    return std::pow(x, y);
}

void convert(const QString &text, float &target)
{
    if (const std::optional<float> v = ToSingle(text))
        target = *v;
}

// The guideline's value of g, m/s².
constexpr float kGravity = 9.82f;

} // namespace

float liquidLeakRate(const LiquidLeakInputs &in)
{
    float cd = 0, a = 0, p = 0, p0 = 0, h = 0, rho = 0;
    convert(in.coefficient, cd);
    convert(in.area, a);
    convert(in.pressure, p);
    convert(in.ambientPressure, p0);
    convert(in.height, h);
    convert(in.density, rho);
    float root = 0;
    if (rho != 0)
        storeSingle(std::sqrt((double(p) - double(p0)) * 2 / double(rho) + 2 * double(kGravity) * double(h)), root);
    float rate = 0;
    storeSingle(double(cd) * double(a) * double(rho) * double(root), rate);
    return rate;
}

QStringList crackShapes()
{
    return {QStringLiteral("圆形"), QStringLiteral("三角形"), QStringLiteral("长方形")};
}

float gasDischargeCoefficient(const QString &shape)
{
    if (shape == QStringLiteral("圆形"))
        return 1.0f;
    if (shape == QStringLiteral("三角形"))
        return 0.95f;
    return 0.9f;
}

void GasLeak::press(const GasLeakInputs &in)
{
    gasConstant = 8.314f;
    convert(in.area, area);
    convert(in.pressure, pressure);
    convert(in.ambientPressure, ambientPressure);
    convert(in.molecularMass, molecularMass);
    convert(in.temperature, temperature);
    convert(in.adiabaticIndex, kappa);
    const double k = kappa;
    // Critical outflow while P0/P ≤ rc = (2/(κ+1))^(κ/(κ−1)).
    storeSingle(power(2 / (k + 1), k / (k - 1)), criticalRatio);
    storeSingle(double(ambientPressure) / double(pressure), pressureRatio);
    discharge = gasDischargeCoefficient(in.shape);
    if (pressureRatio > criticalRatio) {
        // Subsonic: Y = r^(1/κ) √(1 − r^((κ−1)/κ)) √(2/(κ−1) × ((κ+1)/2)^((κ+1)/(κ−1))).
        const double r = pressureRatio;
        storeSingle(power(r, 1 / k), q);
        storeSingle(double(q) * std::sqrt(1 - power(r, (k - 1) / k)), q);
        storeSingle((k + 1) / 2, o);
        storeSingle(power(double(o), (k + 1) / (k - 1)), o);
        storeSingle(2 * double(o) / (k - 1), o);
        storeSingle(std::sqrt(double(o)), o);
        storeSingle(double(q) * double(o), outflow);
    } else {
        outflow = 1;
    }
    storeSingle(power(2 / (k + 1), (k + 1) / (k - 1)), flowFactor);
    storeSingle(double(flowFactor) * double(molecularMass) * k / (double(gasConstant) * double(temperature)), radicand);
    storeSingle(std::sqrt(double(radicand)), root);
    storeSingle(double(outflow) * double(discharge) * double(area) * double(pressure) * double(root), rate);
}

float twoPhaseLeakRate(const TwoPhaseLeakInputs &in)
{
    using GV = GeneralValue;
    // Discharge coefficient of a two-phase flow.
    const GV cd(0.8);
    // Critical pressure, taken as 0.55 P.
    GV pc(0.0);
    if (const GV v = GV(in.pressure) * GV(0.55); !v.isFailed())
        pc = v;
    float flashing = 0;
    storeSingle((GV(in.temperature) - GV(in.boilingPoint)) * GV(in.heatCapacity) / GV(in.vaporisationHeat), flashing);
    float liquidShare = 0;
    storeSingle(1 - double(flashing), liquidShare);
    float meanDensity = 0;
    storeSingle(GV(1) / (GV(flashing) / GV(in.vapourDensity) + GV(liquidShare) / GV(in.liquidDensity)), meanDensity);
    float doubledDensity = 0;
    storeSingle(2 * double(meanDensity), doubledDensity);
    const GV radicand = (GV(in.pressure) - pc) * GV(doubledDensity);
    float rate = 0;
    if (const std::optional<double> v = radicand.isFailed() ? std::nullopt : radicand.asNumber(); v && *v >= 0)
        storeSingle(GV(std::sqrt(*v)) * GV(in.area) * cd, rate);
    return rate;
}

} // namespace corvalen
