#include "fugitive/untight_equipment.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {

float untightEquipmentLeak(const UntightEquipmentInputs &in)
{
    const auto single = [](const QString &text) { return double(ToSingle(text).value_or(0.0f)); };
    const double v = single(in.volume);
    const double k = single(in.safetyFactor);
    const double c = single(in.coefficient);
    const double m = single(in.molecularWeight);
    const double t = single(in.temperature);
    if (t + 273 == 0)
        return 0;
    const double radicand = m / (t + 273);
    if (radicand < 0)
        return 0;
    return FiniteSingle(k * c * v * std::sqrt(radicand)).value_or(0);
}

} // namespace corvalen
