// Text to number: the single and double conversions and LeadingNumber.

#include "common/number_text.h"

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
    long long magnitude = 0;
    bool allZero = true;
};

// Adds one mantissa digit and keeps the magnitude of the first significant
// digit: integer digits raise it, leading fraction zeros lower it.
void addMantissaDigit(Scanned &s, char d, bool inFraction, long long &integerDigits, long long &leadingFractionZeros)
{
    s.ascii.push_back(d);
    s.anyMantissaDigit = true;
    if (d != '0')
        s.allZero = false;
    if (!inFraction) {
        if (!s.allZero)
            ++integerDigits;
    } else if (s.allZero) {
        ++leadingFractionZeros;
    }
}

void finishMagnitude(Scanned &s, long long integerDigits, long long leadingFractionZeros, long long exponent)
{
    s.magnitude = (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
}

// Exponent digits are kept in the text for from_chars, and their value, cut
// at a bound far beyond any range, for the magnitude.
void addExponentDigit(Scanned &s, char d, long long &exponent)
{
    s.ascii.push_back(d);
    if (exponent < 100000000)
        exponent = exponent * 10 + (d - '0');
}

template <class T>
std::optional<T> readScanned(const Scanned &s, bool overflowIsInfinite)
{
    T value = 0;
    const char *first = s.ascii.data();
    const char *last = first + s.ascii.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (s.magnitude > 0) {
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

// The single and double conversions share this grammar: blanks, an optional
// sign, digits with "," between integer digits and at most one ".", an
// optional exponent, blanks. Nothing else may stand in the text.
bool scanStrict(QStringView text, Scanned &s)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        s.negative = text[i] == u'-';
        ++i;
    }
    if (s.negative)
        s.ascii.push_back('-');
    long long integerDigits = 0, leadingFractionZeros = 0, exponent = 0;
    bool inFraction = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            addMantissaDigit(s, char(c.unicode()), inFraction, integerDigits, leadingFractionZeros);
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
            s.ascii.push_back('.');
        } else if (c == u',' && !inFraction && i > 0 && isDigit(text[i - 1]) && i + 1 < n && isDigit(text[i + 1])) {
            // a group separator between two integer digits
        } else {
            break;
        }
    }
    if (!s.anyMantissaDigit)
        return false;
    bool exponentNegative = false;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        s.ascii.push_back('e');
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            exponentNegative = text[i] == u'-';
            s.ascii.push_back(char(text[i].unicode()));
            ++i;
        }
        bool anyExponentDigit = false;
        for (; i < n && isDigit(text[i]); ++i) {
            addExponentDigit(s, char(text[i].unicode()), exponent);
            anyExponentDigit = true;
        }
        if (!anyExponentDigit)
            return false;
    }
    skipBlanks();
    if (i != n)
        return false;
    finishMagnitude(s, integerDigits, leadingFractionZeros, exponentNegative ? -exponent : exponent);
    return true;
}

// A whole number in base 16 or 8 after "&H" / "&O"; blanks skipped.
double leadingRadixNumber(QStringView text, qsizetype i, int radix)
{
    double value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
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
    if (i < n && (kept[i] == u'+' || kept[i] == u'-')) {
        s.negative = kept[i] == u'-';
        ++i;
    }
    if (s.negative)
        s.ascii.push_back('-');
    long long integerDigits = 0, leadingFractionZeros = 0, exponent = 0;
    bool inFraction = false;
    for (; i < n; ++i) {
        if (isDigit(kept[i]))
            addMantissaDigit(s, char(kept[i].unicode()), inFraction, integerDigits, leadingFractionZeros);
        else if (kept[i] == u'.' && !inFraction) {
            inFraction = true;
            s.ascii.push_back('.');
        } else
            break;
    }
    if (!s.anyMantissaDigit)
        return 0;
    // An exponent counts only when a digit follows its letter (and sign).
    if (i < n && QStringView(u"EeDd").contains(kept[i])) {
        qsizetype j = i + 1;
        bool exponentNegative = false;
        if (j < n && (kept[j] == u'+' || kept[j] == u'-'))
            exponentNegative = kept[j++] == u'-';
        if (j < n && isDigit(kept[j])) {
            s.ascii.push_back('e');
            if (exponentNegative)
                s.ascii.push_back('-');
            for (; j < n && isDigit(kept[j]); ++j)
                addExponentDigit(s, char(kept[j].unicode()), exponent);
            if (exponentNegative)
                exponent = -exponent;
        }
    }
    finishMagnitude(s, integerDigits, leadingFractionZeros, exponent);
    return *readScanned<double>(s, true);
}

} // namespace corvalen
