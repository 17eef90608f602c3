#include "risk/pool_evaporation.h"

#include "common/numbers/general_value.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {
namespace {

using GV = GeneralValue;

// π as the guideline's worked formulas write it, two decimals.
constexpr double kPi = 3.14;
// Gas constant, J/(mol·K).
constexpr double kGasConstant = 8.314;

const CoefficientItem *findItem(const QList<CoefficientItem> &items, const QString &text)
{
    for (const CoefficientItem &item : items) {
        if (item.text == text)
            return &item;
    }
    return nullptr;
}

} // namespace

const QList<CoefficientItem> &groundTypes()
{
    // Thermal conductivity λ, W/(m·K), and thermal diffusivity α, m²/s.
    static const QList<CoefficientItem> items{
        {QStringLiteral("水泥地"), 1.1, 1.29E-07},
        {QStringLiteral("土地"), 0.9, 4.3E-07},
        {QStringLiteral("干土地"), 0.3, 2.3E-07},
        {QStringLiteral("湿地"), 0.6, 3.3E-07},
        {QStringLiteral("砂砾地"), 2.5, 1.1E-06},
    };
    return items;
}

const QList<CoefficientItem> &stabilityClasses()
{
    // Coefficients a and n of the mass-evaporation formula.
    static const QList<CoefficientItem> items{
        {QStringLiteral("不稳定A,B"), 0.003846, 0.2},
        {QStringLiteral("中性C"), 0.004685, 0.25},
        {QStringLiteral("稳定E,F"), 0.005285, 0.3},
    };
    return items;
}

float flashEvaporationRate(const FlashInputs &in)
{
    float fraction = 0;
    StoreFiniteOrKeep(fraction,
                      ((GV(in.liquidTemperature) - GV(in.boilingPoint)) * GV(in.heatCapacity) / GV(in.vaporisationHeat))
                          .asNumber());
    float rate = 0;
    StoreFiniteOrKeep(rate, (GV(fraction) * GV(in.released) / GV(in.duration)).asNumber());
    return rate;
}

float heatEvaporationRate(const HeatInputs &in)
{
    float rate = 0;
    const CoefficientItem *ground = findItem(groundTypes(), in.groundType);
    if (!ground)
        return rate;
    const GV lambda(ground->first);
    const GV alpha(ground->second);
    const GV root = squareRoot(GV(kPi) * alpha * GV(in.time));
    StoreFiniteOrKeep(rate, (lambda * GV(in.poolArea) * (GV(in.ambientTemperature) - GV(in.boilingPoint))
                             / (GV(in.vaporisationHeat) * root))
                                .asNumber());
    return rate;
}

std::optional<float> massEvaporationRate(const MassInputs &in)
{
    const CoefficientItem *stability = findItem(stabilityClasses(), in.stability);
    if (!stability)
        return std::nullopt;
    const GV a(stability->first);
    const GV n(stability->second);
    const GV quotient = a * GV(in.vapourPressure) * GV(in.molecularWeight) / (GV(kGasConstant) * GV(in.ambientTemperature));
    const GV windTerm = power(GV(in.windSpeed), (GV(2) - n) / (GV(2) + n));
    const GV radiusTerm = power(GV(in.poolRadius), (GV(4) + n) / (GV(2) + n));
    float rate = 0;
    StoreFiniteOrKeep(rate, (quotient * windTerm * radiusTerm).asNumber());
    return rate;
}

std::optional<double> totalEvaporation(const TotalInputs &in)
{
    const GV total = (GV(in.flashRate) * GV(in.flashTime) + GV(in.heatRate) * GV(in.heatTime))
                     + GV(in.massRate) * GV(in.massTime);
    if (total.isFailed())
        return std::nullopt;
    return total.asNumber();
}

} // namespace corvalen
