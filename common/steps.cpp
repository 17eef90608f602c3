#include "common/steps.h"

#include "common/number_text.h"

#include <cmath>

namespace corvalen {

QString PatternOrDot(std::optional<double> outcome, QStringView pattern)
{
    if (!outcome || !std::isfinite(*outcome))
        return ApplyDisplayPattern(GeneralValue::failed(), pattern);
    return ApplyDisplayPattern(*outcome, pattern);
}

std::optional<QVector<double>> CountedLoop(double start, double end, double step, qsizetype maxCount)
{
    if (step == 0 || !std::isfinite(start) || !std::isfinite(end) || !std::isfinite(step))
        return std::nullopt;
    QVector<double> values;
    for (double v = start; step > 0 ? v <= end : v >= end; v += step) {
        if (values.size() >= maxCount)
            return std::nullopt;
        values.append(v);
    }
    return values;
}

} // namespace corvalen
