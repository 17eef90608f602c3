// Text to number: the single and double conversions and LeadingNumber.

#include "common/numbers/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace corvalen {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A number reduced to what std::from_chars reads: "-", digits, ".", digits,
// "e", sign, digits. `magnitude` is the decimal exponent of its first
// significant digit, which tells an overflow from an underflow when the
// value is out of range.
struct Scanned
{
    std::string ascii;
    bool negative = false;
    bool anyMantissaDigit = false;
    bool allZero = true;
    long long integerDigits = 0;         // from the first significant one
    long long leadingFractionZeros = 0;  // while no significant digit came
    long long exponent = 0;              // cut at a bound far beyond any range
    long long magnitude() const
    {
        return (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
    }
};

// Reads an optional sign, then digits with at most one "."; with
// `groupSeparators`, a "," between two integer digits is skipped. Stops at
// the first character that cannot continue the mantissa.
void scanMantissa(QStringView text, qsizetype &i, Scanned &s, bool groupSeparators)
{
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        s.negative = text[i++] == u'-';
    if (s.negative)
        s.ascii.push_back('-');
    bool inFraction = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            s.ascii.push_back(char(c.unicode()));
            s.anyMantissaDigit = true;
            if (c != u'0')
                s.allZero = false;
            if (!inFraction && !s.allZero)
                ++s.integerDigits;
            else if (inFraction && s.allZero)
                ++s.leadingFractionZeros;
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
            s.ascii.push_back('.');
        } else if (!(groupSeparators && c == u',' && !inFraction && i > 0 && isDigit(text[i - 1])
                     && i + 1 < n && isDigit(text[i + 1]))) {
            break;
        }
    }
}

// Reads an exponent at i: a letter of `letters`, an optional sign, digits.
// Without a digit nothing is read and false comes back.
bool scanExponent(QStringView text, qsizetype &i, Scanned &s, QStringView letters)
{
    const qsizetype n = text.size();
    qsizetype j = i;
    if (j >= n || !letters.contains(text[j]))
        return false;
    ++j;
    const bool negative = j < n && text[j] == u'-';
    if (j < n && (text[j] == u'+' || text[j] == u'-'))
        ++j;
    if (j >= n || !isDigit(text[j]))
        return false;
    s.ascii.append(negative ? "e-" : "e");
    long long exponent = 0;
    for (; j < n && isDigit(text[j]); ++j) {
        s.ascii.push_back(char(text[j].unicode()));
        if (exponent < 100000000)
            exponent = exponent * 10 + (text[j].unicode() - u'0');
    }
    s.exponent = negative ? -exponent : exponent;
    i = j;
    return true;
}

template <class T>
std::optional<T> readScanned(const Scanned &s, bool overflowIsInfinite)
{
    T value = 0;
    const char *first = s.ascii.data();
    const char *last = first + s.ascii.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (s.magnitude() > 0) {
            if (!overflowIsInfinite)
                return std::nullopt;
            value = std::numeric_limits<T>::infinity();
        } else {
            value = 0;
        }
        return s.negative ? -value : value;
    }
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The single and double conversions share this grammar: blanks, an optional
// sign, digits with "," between integer digits and at most one ".", an
// optional exponent, blanks. Nothing else may stand in the text.
bool scanStrict(QStringView text, Scanned &s)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    scanMantissa(text, i, s, true);
    if (!s.anyMantissaDigit)
        return false;
    if (i < n && (text[i] == u'E' || text[i] == u'e') && !scanExponent(text, i, s, u"Ee"))
        return false;
    while (i < n && isBlank(text[i]))
        ++i;
    return i == n;
}

// A whole number in base 16 or 8 after "&H" / "&O" (blanks already gone).
double leadingRadixNumber(QStringView text, qsizetype i, int radix)
{
    double value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

} // namespace

std::optional<double> ToDouble(QStringView text)
{
    Scanned s;
    if (!scanStrict(text, s))
        return std::nullopt;
    return readScanned<double>(s, false);
}

std::optional<float> ToSingle(QStringView text)
{
    Scanned s;
    if (!scanStrict(text, s))
        return std::nullopt;
    return readScanned<float>(s, false);
}

double LeadingNumber(QStringView text)
{
    // Blanks, tabs and line feeds count nowhere, so they are dropped first.
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            kept.append(c);
    }
    const qsizetype n = kept.size();
    if (n >= 2 && kept[0] == u'&') {
        const QChar r = kept[1].toUpper();
        if (r == u'H')
            return leadingRadixNumber(kept, 2, 16);
        if (r == u'O')
            return leadingRadixNumber(kept, 2, 8);
        return 0;
    }
    Scanned s;
    qsizetype i = 0;
    scanMantissa(kept, i, s, false);
    if (!s.anyMantissaDigit)
        return 0;
    // An exponent counts only when a digit follows its letter (and sign).
    scanExponent(kept, i, s, u"EeDd");
    return readScanned<double>(s, true).value_or(0);
}

} // namespace corvalen
