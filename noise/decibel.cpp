#include "noise/decibel.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"
#include "common/numbers/general_value.h"

#include <cmath>
#include <optional>

namespace corvalen {

QString Superposition::press(const SuperpositionInputs &in)
{
    absent = 0;
    const QString *texts[] = {&in.first, &in.second, &in.third, &in.fourth, &in.fifth};
    for (size_t i = 0; i < levels.size(); ++i) {
        if (const auto value = ToSingle(*texts[i]))
            levels[i] = *value;
    }
    for (const float l : levels) {
        if (l == 0)
            absent = absent + 1;
    }
    double total = 0;
    for (const float l : levels)
        total += std::pow(10.0, double(l) / 10);
    // An overflowed power sum (+∞, or a sum beyond the single range) keeps
    // its infinity, so the box shows the infinite text, not a stale value.
    sum = StoredSingle(total);
    // An absent source of 0 dB added 10^0 = 1 above; take it out again.
    sum = sum - absent;
    if (const auto l = CommonLog(double(sum)))
        level = StoredSingle(10 * *l);
    // Two decimals, by the pattern's text read back; the bare point of a
    // level that rounds to zero (or an infinite text) reads as no number.
    if (const auto rounded = ToSingle(ApplyDisplayPattern(level, u"######.##")))
        level = *rounded;
    return SingleText(level);
}

QString Attenuation::update(const AttenuationInputs &in)
{
    if (const auto r = ToSingle(in.distance))
        distance = *r;
    if (const auto l = CommonLog(double(distance)))
        attenuation = StoredSingle(-20 * *l);
    if (const auto l0 = ToSingle(in.sourceLevel))
        sourceLevel = *l0;
    level = sourceLevel + attenuation;
    return SingleText(level);
}

QString decibelDifference(const SubtractionInputs &in)
{
    constexpr QStringView pattern = u"#####.##";
    const auto l1 = ToDouble(in.minuend);
    const auto l2 = ToDouble(in.subtrahend);
    if (!l1 || !l2)
        return ApplyDisplayPattern(GeneralValue::failed(), pattern);
    const auto l = CommonLog(std::pow(10.0, *l1 / 10) - std::pow(10.0, *l2 / 10));
    if (!l)
        return ApplyDisplayPattern(GeneralValue::failed(), pattern);
    return ApplyDisplayPattern(10 * *l, pattern);
}

} // namespace corvalen
