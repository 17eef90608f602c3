#pragma once

// How the calculators' steps fail, by name, for every toolbox: a step's
// outcome stored as a single, a stored value kept when its step fails, a
// checked value whose arithmetic fails instead of giving an infinite or
// undefined number, a result shown as "." when its step fails, and the
// bound of counted loops. Every conversion of a double to a single goes
// through StoredSingle: C++ leaves one beyond the single range undefined.

#include <QString>
#include <QStringView>
#include <QVector>
#include <cmath>
#include <limits>
#include <optional>

namespace corvalen {

// A step's outcome rounded once to single, as the window-level value stores
// it; beyond the single range an infinity (IEEE rounding).
inline float StoredSingle(double outcome)
{
    // From 2^128 - 2^103 on, a double rounds to infinity; spelled out, since
    // a conversion beyond the single range is no defined C++ conversion.
    constexpr double kRoundsToInfinity = 0x1.ffffffp127;
    if (outcome >= kRoundsToInfinity)
        return std::numeric_limits<float>::infinity();
    if (outcome <= -kRoundsToInfinity)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(outcome);
}

// Stores the outcome as a single when the step has one and it is a number;
// a failed step, and one whose outcome is undefined (0·∞, ∞ − ∞), keeps what
// the value held. An outcome beyond the single range stores its infinity.
// Returns whether it stored.
inline bool StoreOrKeep(float &value, std::optional<double> outcome)
{
    if (!outcome || std::isnan(*outcome))
        return false;
    value = StoredSingle(*outcome);
    return true;
}

// The outcome when it is a number; none when it is infinite or undefined
// (a division by zero, an overflow beyond the double range, a power or root
// that cannot be formed).
inline std::optional<double> Finite(double outcome)
{
    return std::isfinite(outcome) ? std::optional<double>(outcome) : std::nullopt;
}

// The single a step stores when its outcome must be a number in single
// precision: none for a step without an outcome, for an outcome that is not
// finite and for one that rounds beyond the single range.
inline std::optional<float> FiniteSingle(std::optional<double> outcome)
{
    if (!outcome || !std::isfinite(*outcome))
        return std::nullopt;
    const float single = StoredSingle(*outcome);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

// Stores the outcome as a single when it is a number in single precision
// (FiniteSingle); otherwise the step fails and the value keeps what it
// held. Returns whether it stored.
inline bool StoreFiniteOrKeep(float &value, std::optional<double> outcome)
{
    const std::optional<float> single = FiniteSingle(outcome);
    if (!single)
        return false;
    value = *single;
    return true;
}

// The same for a value kept in double: a step whose outcome is missing or
// not finite keeps what the value held.
inline bool StoreFiniteOrKeep(double &value, std::optional<double> outcome)
{
    if (!outcome || !std::isfinite(*outcome))
        return false;
    value = *outcome;
    return true;
}

// lg x as ln x / ln 10; none for x of 0 or less and for an undefined x. An
// infinite x keeps its infinity.
inline std::optional<double> CommonLog(double x)
{
    if (!(x > 0))
        return std::nullopt;
    return std::log(x) / std::log(10.0);
}

// A number worked out step by step in double, or none once a step has
// failed. Every operation fails on an operand without a value and on an
// outcome that is not finite: a division by zero, an overflow beyond the
// double range, a power that cannot be formed (a negative base under a
// fractional exponent, 0 under a negative one), the root of a negative
// number, the logarithm of 0 or less. A failure carries through the rest of
// a formula, so the step can tell at its end.
class Checked
{
public:
    Checked() = default;
    Checked(double number) : m_value(Finite(number)) {}
    Checked(std::optional<double> number) : m_value(number ? Finite(*number) : std::nullopt) {}
    // A text read by the double conversion; none when it is no number.
    static Checked number(QStringView text);

    const std::optional<double> &value() const { return m_value; }
    bool failed() const { return !m_value; }

private:
    std::optional<double> m_value;
};

Checked operator+(const Checked &a, const Checked &b);
Checked operator-(const Checked &a, const Checked &b);
Checked operator*(const Checked &a, const Checked &b);
Checked operator/(const Checked &a, const Checked &b);
// base ^ exponent.
Checked power(const Checked &base, const Checked &exponent);
// e ^ x.
Checked exponential(const Checked &x);
Checked squareRoot(const Checked &x);
// lg x (CommonLog), failing on an infinite outcome too.
Checked lg(const Checked &x);

// The steps of one computation that runs to its end whatever fails: a step
// that fails marks the computation failed and gives 0, so that the later
// steps run on and the caller decides once, at the end.
class StepChain
{
public:
    bool failed() const { return m_failed; }
    // The step's number, or 0 and the chain failed.
    double take(const Checked &step)
    {
        if (step.value())
            return *step.value();
        m_failed = true;
        return 0;
    }
    double number(QStringView text) { return take(Checked::number(text)); }
    double checked(double x) { return take(Checked(x)); }
    double quotient(double a, double b) { return take(Checked(a) / Checked(b)); }
    double power(double base, double exponent) { return take(corvalen::power(Checked(base), Checked(exponent))); }
    double root(double x) { return take(squareRoot(Checked(x))); }
    double lg(double x) { return take(corvalen::lg(Checked(x))); }

private:
    bool m_failed = false;
};

// The text of a result through its display pattern; a step without a value
// shows what the pattern gives for none, the same text as for zero ("."
// for "####.##").
QString PatternOrDot(std::optional<double> outcome, QStringView pattern);

// The values of a counted loop: start, start + step, ... while the value does
// not pass `end` (not above it for a positive step, not below it for a
// negative one). Empty when start already lies beyond end. A step of 0 and a
// loop of more than `maxCount` values give no result, so no caller can run an
// endless or unbounded loop. The value is accumulated step by step.
std::optional<QVector<double>> CountedLoop(double start, double end, double step, qsizetype maxCount);

} // namespace corvalen
