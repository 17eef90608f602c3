#include "risk/leak_rates.h"

#include "common/numbers/general_value.h"
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>
#include <optional>

namespace corvalen {
namespace {

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
        StoreFiniteOrKeep(root,
                          std::sqrt((double(p) - double(p0)) * 2 / double(rho) + 2 * double(kGravity) * double(h)));
    float rate = 0;
    StoreFiniteOrKeep(rate, double(cd) * double(a) * double(rho) * double(root));
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
    StoreFiniteOrKeep(criticalRatio, power(Checked(2 / (k + 1)), k / (k - 1)).value());
    StoreFiniteOrKeep(pressureRatio, double(ambientPressure) / double(pressure));
    discharge = gasDischargeCoefficient(in.shape);
    if (pressureRatio > criticalRatio) {
        // Subsonic: Y = r^(1/κ) √(1 − r^((κ−1)/κ)) √(2/(κ−1) × ((κ+1)/2)^((κ+1)/(κ−1))).
        const double r = pressureRatio;
        StoreFiniteOrKeep(q, power(Checked(r), 1 / k).value());
        StoreFiniteOrKeep(q, (double(q) * squareRoot(1 - power(Checked(r), (k - 1) / k))).value());
        StoreFiniteOrKeep(o, (k + 1) / 2);
        StoreFiniteOrKeep(o, power(Checked(double(o)), (k + 1) / (k - 1)).value());
        StoreFiniteOrKeep(o, 2 * double(o) / (k - 1));
        StoreFiniteOrKeep(o, std::sqrt(double(o)));
        StoreFiniteOrKeep(outflow, double(q) * double(o));
    } else {
        outflow = 1;
    }
    StoreFiniteOrKeep(flowFactor, power(Checked(2 / (k + 1)), (k + 1) / (k - 1)).value());
    StoreFiniteOrKeep(radicand,
                      double(flowFactor) * double(molecularMass) * k / (double(gasConstant) * double(temperature)));
    StoreFiniteOrKeep(root, std::sqrt(double(radicand)));
    StoreFiniteOrKeep(rate, double(outflow) * double(discharge) * double(area) * double(pressure) * double(root));
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
    StoreFiniteOrKeep(flashing,
                      ((GV(in.temperature) - GV(in.boilingPoint)) * GV(in.heatCapacity) / GV(in.vaporisationHeat))
                          .asNumber());
    float liquidShare = 0;
    StoreFiniteOrKeep(liquidShare, 1 - double(flashing));
    float meanDensity = 0;
    StoreFiniteOrKeep(meanDensity,
                      (GV(1) / (GV(flashing) / GV(in.vapourDensity) + GV(liquidShare) / GV(in.liquidDensity)))
                          .asNumber());
    float doubledDensity = 0;
    StoreFiniteOrKeep(doubledDensity, 2 * double(meanDensity));
    const GV radicand = (GV(in.pressure) - pc) * GV(doubledDensity);
    float rate = 0;
    StoreFiniteOrKeep(rate, (squareRoot(radicand) * GV(in.area) * cd).asNumber());
    return rate;
}

} // namespace corvalen
