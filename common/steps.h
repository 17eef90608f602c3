#pragma once

// How the calculators' steps fail, by name, for every toolbox: a step's
// outcome stored as a single, a stored value kept when its step fails, a
// result shown as "." when its step fails, and the bound of counted loops.

#include <QString>
#include <QStringView>
#include <QVector>
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

// Stores the outcome as a single when the step has one; a failed step keeps
// what the value held. Returns whether it stored.
inline bool StoreOrKeep(float &value, std::optional<double> outcome)
{
    if (!outcome)
        return false;
    value = StoredSingle(*outcome);
    return true;
}

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
