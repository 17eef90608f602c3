#include "noise/decibel.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

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
    // A text without a number, a power beyond the double range and a
    // logarithm of 0 or less leave no difference; the box then shows the
    // pattern's text for none.
    const auto energy = [](const QString &level) { return power(10, Checked::number(level) / 10); };
    const Checked difference = 10 * lg(energy(in.minuend) - energy(in.subtrahend));
    return PatternOrDot(difference.value(), u"#####.##");
}

} // namespace corvalen
