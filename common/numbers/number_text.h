#pragma once

// The one way numbers enter and leave the program's text boxes. Whatever the
// desktop's locale, the decimal point is "." and the group separator ",":
// the program is made for the Chinese (PRC) conventions, and a German desktop
// must not turn "83.3" into a failure.

#include <QString>
#include <QStringView>
#include <optional>

namespace corvalen {

// The texts of infinite and undefined values, wherever a number is shown.
inline constexpr QStringView kInfiniteText = u"无穷大";
inline constexpr QStringView kNegativeInfiniteText = u"-无穷大";
inline constexpr QStringView kUndefinedText = u"非数值";

// Text to number. Blanks may stand before and after; then an optional sign,
// digits with at most one ".", "," between integer digits, and an optional
// exponent "E" (either case) with optional sign. Fails on the empty text,
// blanks alone, a lone sign, any other character, and on a magnitude beyond
// the type's range. Otherwise the nearest single / double.
std::optional<float> ToSingle(QStringView text);
std::optional<double> ToDouble(QStringView text);

// The longest number at the start of the text, 0 where none stands there.
// Blanks, tabs and line feeds are skipped anywhere; "," ends the number;
// exponents "E" and "D"; "&H" and "&O" read a hexadecimal or octal whole
// number. A number beyond the double range gives an infinity. Never fails.
double LeadingNumber(QStringView text);

// Default number text: rounded to 7 (single) or 15 (double) significant
// digits; plain form for decimal exponents -4 up to 6 (single) or 14
// (double), trailing zeros dropped; otherwise exponent form such as 2E+07 or
// 1.5E-05. Negative zero is "0".
QString SingleText(float value);
QString DoubleText(double value);

// The default number text without the "0" before the point of a value whose
// integer part is 0, and with one leading blank unless the value is
// negative: 0.5 gives " .5", -0.5 gives "-.5".
QString SignedNumberText(double value);
QString SignedNumberText(float value);

// A value written through a display pattern of "#", "0", "," and "." (such
// as "####.##", "####0.0000", "0.00", "###,##0.00"). Halves are rounded away
// from zero on the value's decimal form of 15 significant digits (a single
// is widened to double first, so it is rounded once, to the pattern's
// places); every integer digit is written; no exponent form. A
// value that rounds to zero carries no "-".
QString ApplyDisplayPattern(double value, QStringView pattern);
QString ApplyDisplayPattern(float value, QStringView pattern);
// A text holding a number is written as that number; any other text, the
// empty text included, comes back unchanged. A value that was never set (or
// a failed step's) is written as zero.
QString ApplyDisplayPattern(const QString &text, QStringView pattern);

} // namespace corvalen
