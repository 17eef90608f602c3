#pragma once

// Internal to the number helpers: a number's decimal digits, rounded to a
// given count of significant digits.

#include <QString>

namespace corvalen::detail {

// value = (-1 if negative) × d0.d1d2… × 10^exponent, `count` digits (all
// kept, trailing zeros included). Zero has the single digit 0, exponent 0.
struct DecimalForm
{
    char digits[24];
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

// Only for finite values. Rounds correctly (exact ties to even) to
// `significant` digits, 1 to 17.
DecimalForm decimalForm(double value, int significant);
DecimalForm decimalForm(float value, int significant);

// The text of an infinite or undefined value, or a null QString for a
// finite one.
QString nonFiniteText(double value);

} // namespace corvalen::detail
