#include "common/numbers/steps.h"

#include "common/numbers/number_text.h"
#include "common/numbers/general_value.h"

#include <cmath>

namespace corvalen {
namespace {

template <class Operation>
Checked combined(const Checked &a, const Checked &b, Operation operation)
{
    if (!a.value() || !b.value())
        return {};
    return Checked(operation(*a.value(), *b.value()));
}

} // namespace

Checked Checked::number(QStringView text)
{
    return Checked(ToDouble(text));
}

Checked operator+(const Checked &a, const Checked &b)
{
    return combined(a, b, [](double x, double y) { return x + y; });
}

Checked operator-(const Checked &a, const Checked &b)
{
    return combined(a, b, [](double x, double y) { return x - y; });
}

Checked operator*(const Checked &a, const Checked &b)
{
    return combined(a, b, [](double x, double y) { return x * y; });
}

Checked operator/(const Checked &a, const Checked &b)
{
    // x / 0 is infinite and 0 / 0 undefined: both fail.
    return combined(a, b, [](double x, double y) { return x / y; });
}

Checked power(const Checked &base, const Checked &exponent)
{
    return combined(base, exponent, [](double x, double y) { return std::pow(x, y); });
}

Checked exponential(const Checked &x)
{
    return x.value() ? Checked(std::exp(*x.value())) : Checked();
}

Checked squareRoot(const Checked &x)
{
    return x.value() ? Checked(std::sqrt(*x.value())) : Checked();
}

Checked lg(const Checked &x)
{
    return x.value() ? Checked(CommonLog(*x.value())) : Checked();
}

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
