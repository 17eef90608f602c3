#pragma once

#include <cmath>
#include <limits>

namespace corvalen {

// A step's double outcome as a window's single-precision value stores it:
// rounded to nearest; beyond the single range it becomes an infinity (the
// plain conversion would be undefined there), NaN stays NaN.
inline float storeSingle(double outcome)
{
    // 2^128 − 2^103: half a unit above the largest single, the first
    // magnitude that rounds to infinity.
    constexpr double kOverflow = 0x1.ffffffp127;
    if (std::fabs(outcome) >= kOverflow)
        return outcome < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(outcome);
}

} // namespace corvalen
