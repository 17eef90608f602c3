#include "common/numbers/general_value.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {
namespace {

// An outcome as a general value: a double when it is finite, else failed.
GeneralValue finiteOrFailed(double outcome)
{
    const std::optional<double> finite = Finite(outcome);
    return finite ? GeneralValue(*finite) : GeneralValue::failed();
}

// Runs a numeric operation on two operands; the outcome must be a finite
// double, else the operation fails.
template <class Op>
GeneralValue numeric(const GeneralValue &a, const GeneralValue &b, Op op)
{
    const auto x = a.asNumber();
    const auto y = b.asNumber();
    if (!x || !y)
        return GeneralValue::failed();
    return finiteOrFailed(op(*x, *y));
}

} // namespace

GeneralValue GeneralValue::failed()
{
    GeneralValue v;
    v.m_kind = Kind::Failed;
    return v;
}

std::optional<double> GeneralValue::asNumber() const
{
    switch (m_kind) {
    case Kind::Empty:
        return 0.0;
    case Kind::Whole:
        return double(m_whole);
    case Kind::Single:
        return double(m_single);
    case Kind::Double:
        return m_double;
    case Kind::Text:
        return ToDouble(m_text);
    case Kind::Failed:
        break;
    }
    return std::nullopt;
}

GeneralValue operator+(const GeneralValue &a, const GeneralValue &b)
{
    using Kind = GeneralValue::Kind;
    if (a.isFailed() || b.isFailed())
        return GeneralValue::failed();
    // Texts join; a value never set joins as the empty text.
    const bool aText = a.kind() == Kind::Text || a.isEmpty();
    const bool bText = b.kind() == Kind::Text || b.isEmpty();
    if (aText && bText && (a.kind() == Kind::Text || b.kind() == Kind::Text))
        return GeneralValue(a.text() + b.text());
    return numeric(a, b, [](double x, double y) { return x + y; });
}

GeneralValue operator-(const GeneralValue &a, const GeneralValue &b)
{
    return numeric(a, b, [](double x, double y) { return x - y; });
}

GeneralValue operator*(const GeneralValue &a, const GeneralValue &b)
{
    return numeric(a, b, [](double x, double y) { return x * y; });
}

GeneralValue operator/(const GeneralValue &a, const GeneralValue &b)
{
    // A division by zero fails, 0 / 0 included (the outcome is not finite).
    return numeric(a, b, [](double x, double y) { return x / y; });
}

GeneralValue power(const GeneralValue &a, const GeneralValue &b)
{
    return numeric(a, b, [](double x, double y) { return std::pow(x, y); });
}

GeneralValue squareRoot(const GeneralValue &a)
{
    const auto x = a.asNumber();
    return x ? finiteOrFailed(std::sqrt(*x)) : GeneralValue::failed();
}

} // namespace corvalen
