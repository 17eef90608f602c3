// Number to text without a pattern: the default and the signed number text.

#include "common/numbers/decimal_form.h"
#include "common/numbers/number_text.h"
#include "common/numbers/general_value.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace corvalen {
namespace detail {
namespace {

// Reads "-d.ddde+XX" as written by std::to_chars in scientific form.
DecimalForm parseScientific(const char *first, const char *last)
{
    DecimalForm form;
    const char *p = first;
    if (*p == '-') {
        form.negative = true;
        ++p;
    }
    for (; p < last && *p != 'e'; ++p) {
        if (*p != '.')
            form.digits[form.count++] = *p;
    }
    ++p;  // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    for (; p < last; ++p)
        exponent = exponent * 10 + (*p - '0');
    form.exponent = negativeExponent ? -exponent : exponent;
    return form;
}

template <class T>
DecimalForm decimalFormOf(T value, int significant)
{
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      significant - 1);
    DecimalForm form = parseScientific(buffer, result.ptr);
    if (value == 0) {
        form.count = 1;
        form.exponent = 0;
    }
    return form;
}

} // namespace

DecimalForm decimalForm(double value, int significant)
{
    return decimalFormOf(value, significant);
}

DecimalForm decimalForm(float value, int significant)
{
    return decimalFormOf(value, significant);
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return kUndefinedText.toString();
    if (std::isinf(value))
        return (value < 0 ? kNegativeInfiniteText : kInfiniteText).toString();
    return QString();
}

} // namespace detail

namespace {

// The default text of a finite value's decimal form: plain for decimal
// exponents from -4 up to `maxPlainExponent`, else exponent form.
QString defaultText(detail::DecimalForm form, int maxPlainExponent)
{
    int count = form.count;
    while (count > 1 && form.digits[count - 1] == '0')
        --count;
    if (count == 1 && form.digits[0] == '0')
        return QStringLiteral("0");
    char out[48];
    int n = 0;
    if (form.negative)
        out[n++] = '-';
    const int e = form.exponent;
    if (e >= -4 && e <= maxPlainExponent) {
        if (e < 0) {
            out[n++] = '0';
            out[n++] = '.';
            for (int z = -1; z > e; --z)
                out[n++] = '0';
            for (int k = 0; k < count; ++k)
                out[n++] = form.digits[k];
        } else {
            for (int k = 0; k <= e; ++k)
                out[n++] = k < count ? form.digits[k] : '0';
            if (count > e + 1) {
                out[n++] = '.';
                for (int k = e + 1; k < count; ++k)
                    out[n++] = form.digits[k];
            }
        }
    } else {
        out[n++] = form.digits[0];
        if (count > 1) {
            out[n++] = '.';
            for (int k = 1; k < count; ++k)
                out[n++] = form.digits[k];
        }
        out[n++] = 'E';
        out[n++] = e < 0 ? '-' : '+';
        const int magnitude = e < 0 ? -e : e;
        if (magnitude >= 100)
            out[n++] = char('0' + magnitude / 100);
        out[n++] = char('0' + magnitude / 10 % 10);
        out[n++] = char('0' + magnitude % 10);
    }
    return QString::fromLatin1(out, n);
}

// Drops the "0" before the point and puts a blank before a value that is
// not negative.
QString signedText(QString text)
{
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    if (!text.startsWith(u'-'))
        text.prepend(u' ');
    return text;
}

} // namespace

QString SingleText(float value)
{
    if (!std::isfinite(value))
        return detail::nonFiniteText(value);
    // A single carries 7 significant decimal digits; plain form up to 10^6.
    return defaultText(detail::decimalForm(value, 7), 6);
}

QString DoubleText(double value)
{
    if (!std::isfinite(value))
        return detail::nonFiniteText(value);
    // A double carries 15 significant decimal digits; plain form up to 10^14.
    return defaultText(detail::decimalForm(value, 15), 14);
}

QString ValueText(const GeneralValue &value)
{
    switch (value.kind()) {
    case GeneralValue::Kind::Whole:
        return QString::number(value.whole());
    case GeneralValue::Kind::Single:
        return SingleText(value.single());
    case GeneralValue::Kind::Double:
        return DoubleText(value.toDouble());
    case GeneralValue::Kind::Text:
        return value.text();
    case GeneralValue::Kind::Empty:
    case GeneralValue::Kind::Failed:
        break;
    }
    return QString();
}

QString SignedNumberText(double value)
{
    return signedText(DoubleText(value));
}

QString SignedNumberText(float value)
{
    return signedText(SingleText(value));
}

} // namespace corvalen
