#include "fugitive/open_air_storage.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>
#include <optional>

namespace corvalen {
// A step without an outcome, or with one that is not finite or lies beyond
// the single range, keeps its value (StoreFiniteOrKeep).
void OpenAirStorage::press(const OpenAirStorageInputs &in)
{
    // 1. E = (−0.05223 A) / (t + 273)
    {
        const std::optional<double> a = ToDouble(in.constantA);
        const std::optional<double> t = ToDouble(in.temperature);
        if (a && t && *t + 273 != 0)
            StoreFiniteOrKeep(exponent, (-0.05223 * *a) / (*t + 273));
    }
    // 2. E = B + E
    if (const std::optional<double> b = ToDouble(in.constantB))
        StoreFiniteOrKeep(exponent, *b + double(exponent));
    // 3. PH = 10^E
    StoreFiniteOrKeep(vapourPressure, std::pow(10.0, double(exponent)));
    // 4. W = 4.1 u + 5.38
    if (const std::optional<double> u = ToDouble(in.windSpeed))
        StoreFiniteOrKeep(windTerm, 4.1 * *u + 5.38);
    // 5. G = F (W PH) √M
    {
        const std::optional<double> f = ToDouble(in.area);
        const std::optional<double> m = ToDouble(in.molecularWeight);
        if (f && m && *m >= 0)
            StoreFiniteOrKeep(amount, *f * (double(windTerm) * double(vapourPressure)) * std::sqrt(*m));
    }
}

} // namespace corvalen
