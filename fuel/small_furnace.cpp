#include "fuel/small_furnace.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

namespace corvalen {

// Raw coal and briquettes: 原　　煤, 型　　煤 (two ideographic spaces).
const std::vector<CoalEmissionFactors> &teaBoilerCoals()
{
    static const std::vector<CoalEmissionFactors> coals = {
        {u"原\u3000\u3000煤", 10.11, 0.6, 10.49, 3.99, 2.05},
        {u"型\u3000\u3000煤", 4.53, 0.26, 7.42, 1.82, 0.65},
    };
    return coals;
}

const std::vector<CoalEmissionFactors> &kitchenStoveCoals()
{
    static const std::vector<CoalEmissionFactors> coals = {
        {u"型\u3000\u3000煤", 10.02, 0.3, 7.09, 1.45, 0.7},
    };
    return coals;
}

void SmallFurnaceCalculator::press(const SmallFurnaceInputs &in)
{
    const CoalEmissionFactors *factors = nullptr;
    for (const auto &row : *m_coals) {
        if (in.coal == row.coal) {
            factors = &row;
            break;
        }
    }
    if (!factors) {
        co = hc = so2 = nox = dust = 0;
        return;
    }
    // Each pollutant reads the amount anew; the same text gives the same
    // outcome, so one conversion serves all five.
    const auto amount = ToDouble(in.coalBurnt);
    if (!amount)
        return;
    co = StoredSingle(*amount * factors->co);
    hc = StoredSingle(*amount * factors->hc);
    so2 = StoredSingle(*amount * factors->so2);
    nox = StoredSingle(*amount * factors->nox);
    dust = StoredSingle(*amount * factors->dust);
}

} // namespace corvalen
