#include "solid_waste/boiler_ash.h"

#include "common/numbers/general_value.h"
#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {

namespace {

// A step's value, or 0 where the step failed.
double valueOr0(const GeneralValue &value)
{
    return value.isFailed() ? 0.0 : value.asNumber().value_or(0.0);
}

} // namespace

BoilerAsh boilerAsh(const BoilerAshInput &in)
{
    const GeneralValue b(in.coal), a(in.ash), dfh(in.sootShare), cfh(in.sootCombustible), eta(in.efficiency),
        ciz(in.slagCombustible);
    const double d = valueOr0(GeneralValue(100) - dfh);
    BoilerAsh out;
    out.slag = valueOr0(((b * a) * GeneralValue(d)) / ((GeneralValue(100) - ciz) * GeneralValue(100)));
    out.flyAsh = valueOr0((((b * a) * dfh) * eta) /
                          (((GeneralValue(100) - cfh) * GeneralValue(100)) * GeneralValue(100)));
    return out;
}

std::optional<QString> kilogramText(double tonnes)
{
    const std::optional<double> kilograms = Finite(std::floor(1000.0 * tonnes));
    if (!kilograms)
        return std::nullopt;
    return DoubleText(*kilograms);
}

} // namespace corvalen
