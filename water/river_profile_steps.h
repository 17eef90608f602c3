#pragma once

// The arithmetic of the river profile models' steps. A step fails as a whole
// when one of its operations fails: a division by zero, a result beyond the
// type's range, a power with no real value, an exponential that overflows.
// A failed step leaves its target as it was.

#include "common/numbers/steps.h"

#include <cmath>
#include <optional>

namespace corvalen::river {

// A double-precision operand or result; empty once an operation failed.
class Real
{
public:
    Real(double v) : m_value(v), m_ok(std::isfinite(v)) {}
    static Real failed() { return Real(); }

    bool ok() const { return m_ok; }
    double value() const { return m_value; }

private:
    Real() = default;
    double m_value = 0;
    bool m_ok = false;
};

inline Real operator+(Real a, Real b)
{
    return a.ok() && b.ok() ? Real(a.value() + b.value()) : Real::failed();
}
inline Real operator-(Real a, Real b)
{
    return a.ok() && b.ok() ? Real(a.value() - b.value()) : Real::failed();
}
inline Real operator-(Real a)
{
    return a.ok() ? Real(-a.value()) : Real::failed();
}
inline Real operator*(Real a, Real b)
{
    return a.ok() && b.ok() ? Real(a.value() * b.value()) : Real::failed();
}
inline Real operator/(Real a, Real b)
{
    if (!a.ok() || !b.ok() || b.value() == 0)
        return Real::failed();
    return Real(a.value() / b.value());
}
inline Real exp(Real a)
{
    return a.ok() ? Real(std::exp(a.value())) : Real::failed();
}
// a^b; a negative base with a fractional exponent has no real value.
inline Real power(Real a, Real b)
{
    return a.ok() && b.ok() ? Real(std::pow(a.value(), b.value())) : Real::failed();
}

// A single-precision operand or result: operations between two singles are
// rounded to single and fail beyond its range; with a double they become a
// Real. Explicit, so that a double never slips into single arithmetic.
class Single
{
public:
    explicit Single(float v) : m_value(v), m_ok(std::isfinite(v)) {}
    static Single failed() { return Single(); }

    bool ok() const { return m_ok; }
    float value() const { return m_value; }
    operator Real() const { return m_ok ? Real(double(m_value)) : Real::failed(); }

private:
    Single() = default;
    float m_value = 0;
    bool m_ok = false;
};

inline Single operator+(Single a, Single b)
{
    return a.ok() && b.ok() ? Single(a.value() + b.value()) : Single::failed();
}
inline Single operator-(Single a, Single b)
{
    return a.ok() && b.ok() ? Single(a.value() - b.value()) : Single::failed();
}
inline Single operator*(Single a, Single b)
{
    return a.ok() && b.ok() ? Single(a.value() * b.value()) : Single::failed();
}
inline Single operator/(Single a, Single b)
{
    if (!a.ok() || !b.ok() || b.value() == 0)
        return Single::failed();
    return Single(a.value() / b.value());
}

// A step's store: the target keeps its value when the step failed or its
// result does not fit the target (a single that rounds to infinity).
inline void store(Real r, double &target)
{
    if (r.ok())
        target = r.value();
}
inline void store(Real r, float &target)
{
    if (!r.ok())
        return;
    const float single = StoredSingle(r.value());
    if (std::isfinite(single))
        target = single;
}

} // namespace corvalen::river
