#pragma once

// Mean wind speed at a stack exit from the wind speed at 10 m by the power
// law U = U10 × (H / 10)^p, with p typed or taken from the national
// standard's recommended exponents by stability class and terrain.

#include <QString>
#include <QStringList>
#include <optional>

namespace corvalen {

// The class list, in the window's order ("E、F" joins E and F).
QStringList stackWindClasses();

// The recommended exponent of a class text (compared exactly) and terrain;
// none for a text outside the list.
std::optional<double> recommendedWindExponent(const QString &stabilityClass, bool rural);

struct StackWindInputs
{
    QString windSpeed;  // U10 (m/s)
    QString height;     // H (m)
    QString exponent;   // p as typed; used in direct entry only
    bool directEntry = true;
    QString stabilityClass;
    bool rural = true;
};

struct StackWindResult
{
    std::optional<double> exponent;   // p used; none if not a number
    std::optional<double> windSpeed;  // U (m/s); none when its step fails
    QString report;                   // nine lines, or the one line of a missing table entry
};

StackWindResult computeStackWind(const StackWindInputs &in);

} // namespace corvalen
