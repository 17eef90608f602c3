// Number to text through a display pattern of "#", "0", "," and ".".

#include "common/numbers/decimal_form.h"
#include "common/numbers/number_text.h"
#include "common/numbers/general_value.h"

#include <algorithm>
#include <cmath>

namespace corvalen {
namespace {

// Beyond this many fraction places no double has a digit left to show; a
// longer pattern is cut here so the text stays bounded.
constexpr int kMaxFractionPlaces = 340;

struct Pattern
{
    bool hasPoint = false;
    bool grouped = false;       // a "," among the placeholders left of the point
    int minIntegerDigits = 0;   // the "0" placeholders left of the point
    int fractionCount = 0;
    char fraction[kMaxFractionPlaces];  // '#' or '0', one per fraction place
};

Pattern parsePattern(QStringView text)
{
    Pattern p;
    for (QChar c : text) {
        if (c == u'.' && !p.hasPoint) {
            p.hasPoint = true;
        } else if (!p.hasPoint) {
            if (c == u'0')
                ++p.minIntegerDigits;
            else if (c == u',')
                p.grouped = true;
        } else if ((c == u'#' || c == u'0') && p.fractionCount < kMaxFractionPlaces) {
            p.fraction[p.fractionCount++] = char(c.unicode());
        }
    }
    return p;
}

// Writes the decimal form through the pattern: rounded half away from zero
// at the pattern's last fraction place.
QString writeThrough(const detail::DecimalForm &form, const Pattern &p)
{
    const int m = p.fractionCount;
    // Digits of the rounded magnitude as integer digits then m fraction
    // digits; digit k of the form stands at place exponent - k.
    int integerLength = std::max(form.exponent + 1, 0);
    const int kept = form.exponent + 1 + m;  // digits of the form that stay
    char digits[340 + kMaxFractionPlaces + 2];
    int total = integerLength + m;
    std::fill(digits, digits + total, '0');
    // Leading fraction zeros before the form's first digit stay zero.
    const int offset = integerLength - (form.exponent + 1);
    for (int k = 0; k < std::min(kept, form.count); ++k)
        digits[offset + k] = form.digits[k];
    if (kept >= 0 && kept < form.count && form.digits[kept] >= '5') {
        int k = total - 1;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            // 9.99 rounded up to 10.0: one more integer digit.
            std::copy_backward(digits, digits + total, digits + total + 1);
            digits[0] = '1';
            ++integerLength;
            ++total;
        }
    }
    const bool zero = std::all_of(digits, digits + total, [](char d) { return d == '0'; });

    char out[2 * 340 + kMaxFractionPlaces + 8];
    int n = 0;
    if (form.negative && !zero)
        out[n++] = '-';
    // Integer part: every significant digit, padded to the "0" placeholders.
    int firstSignificant = 0;
    while (firstSignificant < integerLength && digits[firstSignificant] == '0')
        ++firstSignificant;
    const int written = std::max(integerLength - firstSignificant, p.minIntegerDigits);
    for (int k = 0; k < written; ++k) {
        const int place = integerLength - written + k;
        out[n++] = place >= 0 ? digits[place] : '0';
        const int left = written - 1 - k;
        if (p.grouped && left > 0 && left % 3 == 0)
            out[n++] = ',';
    }
    if (p.hasPoint)
        out[n++] = '.';
    // Fraction: "0" always writes; "#" only while a non-zero digit follows.
    int lastNonZero = -1;
    for (int k = 0; k < m; ++k) {
        if (digits[integerLength + k] != '0')
            lastNonZero = k;
    }
    for (int k = 0; k < m; ++k) {
        if (p.fraction[k] == '0' || k <= lastNonZero)
            out[n++] = digits[integerLength + k];
    }
    return QString::fromLatin1(out, n);
}

} // namespace

QString ApplyDisplayPattern(double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return detail::nonFiniteText(value);
    return writeThrough(detail::decimalForm(value, 15), parsePattern(pattern));
}

QString ApplyDisplayPattern(float value, QStringView pattern)
{
    // The pattern rounds the value itself, once: a single's 7-digit text is
    // already rounded, and rounding that again could move the last place.
    return ApplyDisplayPattern(double(value), pattern);
}

QString ApplyDisplayPattern(const QString &text, QStringView pattern)
{
    if (const auto number = ToDouble(text))
        return ApplyDisplayPattern(*number, pattern);
    return text;
}

QString ApplyDisplayPattern(const GeneralValue &value, QStringView pattern)
{
    switch (value.kind()) {
    case GeneralValue::Kind::Whole:
        return ApplyDisplayPattern(double(value.whole()), pattern);
    case GeneralValue::Kind::Single:
        return ApplyDisplayPattern(value.single(), pattern);
    case GeneralValue::Kind::Double:
        return ApplyDisplayPattern(value.toDouble(), pattern);
    case GeneralValue::Kind::Text:
        return ApplyDisplayPattern(value.text(), pattern);
    case GeneralValue::Kind::Empty:
    case GeneralValue::Kind::Failed:
        break;
    }
    return ApplyDisplayPattern(0.0, pattern);
}

} // namespace corvalen
