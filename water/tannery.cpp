#include "water/tannery.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

namespace corvalen {
namespace {

constexpr TanneryCoefficient whole(double value) { return {value, true}; }
constexpr TanneryCoefficient decimal(double value) { return {value, false}; }

TanneryPollutant pollutant(TanneryCoefficient produced, TanneryCoefficient discharged)
{
    return {produced, discharged};
}

} // namespace

// Table 4.4-10, coefficients of the raw hide (一次系数).
const std::vector<TanneryHide> &tanneryHides()
{
    static const std::vector<TanneryHide> hides = {
        {u"猪盐湿皮", pollutant(whole(123), whole(105)), pollutant(decimal(247.4), decimal(188.3)),
         pollutant(whole(84), decimal(67.5)), pollutant(decimal(169.5), whole(122)),
         pollutant(decimal(7.6), decimal(5.5)), pollutant(decimal(2.6), decimal(1.8))},
        {u"牛干皮", pollutant(whole(140), whole(114)), pollutant(whole(301), decimal(222.9)),
         pollutant(decimal(106.8), decimal(75.7)), pollutant(whole(261), decimal(187.3)),
         pollutant(decimal(5.6), decimal(4.1)), pollutant(decimal(3.5), decimal(2.5))},
        {u"羊干皮", pollutant(whole(312), whole(275)), pollutant(whole(341), whole(264)),
         pollutant(whole(111), decimal(94.4)), pollutant(decimal(123.7), decimal(92.1)),
         pollutant(decimal(5.1), decimal(3.9)), pollutant(decimal(0.65), decimal(0.5))},
    };
    return hides;
}

QString tanneryAmountText(float hideAmount, TanneryCoefficient coefficient)
{
    // Both factors are exact in a double, so the product rounds once, to
    // single, as a single multiplication would.
    if (coefficient.whole)
        return SingleText(StoredSingle(double(hideAmount) * coefficient.value));
    return DoubleText(double(hideAmount) * coefficient.value);
}

TanneryResults TanneryCalculator::press(const TanneryInputs &inputs)
{
    if (const std::optional<float> amount = ToSingle(inputs.hideAmount))
        hideAmount = *amount;

    const TanneryHide *row = nullptr;
    for (const TanneryHide &hide : tanneryHides()) {
        if (inputs.hide == hide.hide) {
            row = &hide;
            break;
        }
    }
    if (!row) {
        const QString zero = QStringLiteral("0");
        const TanneryAmounts zeros{zero, zero, zero, zero, zero, zero};
        return {zeros, zeros};
    }
    const auto column = [this, row](TanneryCoefficient TanneryPollutant::*side) {
        return TanneryAmounts{
            .wastewater = tanneryAmountText(hideAmount, row->wastewater.*side),
            .cod = tanneryAmountText(hideAmount, row->cod.*side),
            .bod5 = tanneryAmountText(hideAmount, row->bod5.*side),
            .ss = tanneryAmountText(hideAmount, row->ss.*side),
            .sulfide = tanneryAmountText(hideAmount, row->sulfide.*side),
            .chromium = tanneryAmountText(hideAmount, row->chromium.*side),
        };
    };
    return {column(&TanneryPollutant::produced), column(&TanneryPollutant::discharged)};
}

} // namespace corvalen
