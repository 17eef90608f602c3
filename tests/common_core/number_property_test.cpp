// Random values through the number texts, checked against the C library's
// own correctly rounded conversions: the default text reads back as the value
// rounded to 7 (single) or 15 (double) significant digits, and a display
// pattern never writes an exponent.
#include "common/numbers/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace corvalen;

namespace {

constexpr int kCount = 500000;  // singles, and as many doubles

// Half the values are random bit patterns (every exponent alike), half are
// short decimals around the places where the plain form turns into the
// exponent form.
template <class Float, class Bits>
Float randomValue(std::mt19937_64 &rng)
{
    if (rng() & 1) {
        for (;;) {
            Bits bits = Bits(rng());
            Float f;
            std::memcpy(&f, &bits, sizeof f);
            if (std::isfinite(f))
                return f;
        }
    }
    std::uniform_int_distribution<int> exponent(-7, 17);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    return Float(mantissa(rng) * std::pow(10.0, exponent(rng)));
}

// The value rounded to `digits` significant digits by printf, read back.
double roundedBy_printf(double value, int digits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    return std::strtod(buffer, nullptr);
}

bool hasExponent(const QString &text)
{
    return text.contains(u'E') || text.contains(u'e');
}

// Reports at most ten failures: a default text that does not read back as
// the value rounded to `digits`, longer than `maxLength`, or a pattern text
// (every 16th value, the patterns in turn) with an exponent.
template <class Float, class Bits>
void checkDefaultAndPatternTexts(std::uint64_t seed, int digits, qsizetype maxLength,
                                 QString (*text)(Float), std::initializer_list<const char16_t *> patterns)
{
    std::mt19937_64 rng(seed);
    int failures = 0;
    for (int i = 0; i < kCount && failures < 10; ++i) {
        const Float value = randomValue<Float, Bits>(rng);
        const QString written = text(value);
        const auto back = ToDouble(written);
        if (!back || *back != roundedBy_printf(value, digits) || written.size() > maxLength) {
            ADD_FAILURE() << value << " gave " << written.toStdString();
            ++failures;
        }
        const char16_t *pattern = patterns.begin()[i / 16 % patterns.size()];
        if (i % 16 == 0 && hasExponent(ApplyDisplayPattern(value, QString::fromUtf16(pattern)))) {
            ADD_FAILURE() << "pattern exponent for " << value;
            ++failures;
        }
    }
}

TEST(NumberTextProperty, DefaultTextsReadBackAsTheValueRoundedToSevenOrFifteenDigits)
{
    checkDefaultAndPatternTexts<float, std::uint32_t>(20260101, 7, 13, SingleText, {u"####.##"});
    checkDefaultAndPatternTexts<double, std::uint64_t>(
        20261209, 15, 22, DoubleText, {u"####.##", u"####0.0000", u"0.00", u"###,##0.00", u"##.######"});
}

// A pattern's text read back is the value rounded half away from zero to the
// pattern's places, for values of up to 15 significant digits.
TEST(NumberTextProperty, PatternTextReadsBackAsTheRoundedValue)
{
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<long long> cents(-99999999999LL, 99999999999LL);
    for (int i = 0; i < 100000; ++i) {
        const long long thousandths = cents(rng);
        const double value = double(thousandths) / 1000;
        const long long away = (std::llabs(thousandths) + 5) / 10 * (thousandths < 0 ? -1 : 1);
        const auto back = ToDouble(ApplyDisplayPattern(value, u"###,##0.00"));
        ASSERT_TRUE(back) << value;
        ASSERT_EQ(*back, double(away) / 100) << value;
    }
}

} // namespace
