#include "solid_waste/sludge.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

namespace corvalen {

float settlingTankSludge(const SettlingTankInput &in)
{
    const double q = ToSingle(in.flow).value_or(0.0f);
    const double c1 = ToSingle(in.inflowSS).value_or(0.0f);
    const double c2 = ToSingle(in.outflowSS).value_or(0.0f);
    const double x = ToSingle(in.waterContent).value_or(0.0f);
    const double pi = ToSingle(in.density).value_or(0.0f);
    const float volume = StoredSingle(100.0 * q * (c1 - c2) / (pi * (100.0 - x)));
    return StoredSingle(double(volume) / 1000.0);
}

void SewageSludge::press(const SewageSludgeInput &in)
{
    const auto single = [](const QString &text) -> std::optional<double> {
        if (const std::optional<float> value = ToSingle(text))
            return *value;
        return std::nullopt;
    };
    StoreOrKeep(gritFactor, single(in.gritFactor));
    StoreOrKeep(primaryFactor, single(in.primaryFactor));
    StoreOrKeep(humusFactor, single(in.humusFactor));
    factorSum = gritFactor + primaryFactor + humusFactor;
    if (const std::optional<double> m = ToDouble(in.population))
        drySludge = StoredSingle(*m * factorSum / 1000.0);
    if (const std::optional<double> p = ToDouble(in.waterContent))
        wetSludge = StoredSingle(100.0 * drySludge / (100.0 - *p));
}

} // namespace corvalen
