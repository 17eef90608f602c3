// Random values through the number texts, checked against the C library's
// own correctly rounded conversions: the default text reads back as the value
// rounded to 7 (single) or 15 (double) significant digits, and a display
// pattern never writes an exponent.
#include "common/number_text.h"

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

TEST(NumberTextProperty, SingleTextReadsBackAsTheValueRoundedToSevenDigits)
{
    std::mt19937_64 rng(20260101);
    int failures = 0;
    for (int i = 0; i < kCount && failures < 10; ++i) {
        const float value = randomValue<float, std::uint32_t>(rng);
        const QString text = SingleText(value);
        const auto back = ToDouble(text);
        const double expected = roundedBy_printf(value, 7);
        if (!back || *back != expected || text.size() > 13) {
            ADD_FAILURE() << "single " << value << " gave " << text.toStdString();
            ++failures;
        }
        if (i % 16 == 0 && hasExponent(ApplyDisplayPattern(value, u"####.##"))) {
            ADD_FAILURE() << "pattern exponent for " << value;
            ++failures;
        }
    }
}

TEST(NumberTextProperty, DoubleTextReadsBackAsTheValueRoundedToFifteenDigits)
{
    std::mt19937_64 rng(20261209);
    const char16_t *patterns[] = {u"####.##", u"####0.0000", u"0.00", u"###,##0.00", u"##.######"};
    int failures = 0;
    for (int i = 0; i < kCount && failures < 10; ++i) {
        const double value = randomValue<double, std::uint64_t>(rng);
        const QString text = DoubleText(value);
        const auto back = ToDouble(text);
        const double expected = roundedBy_printf(value, 15);
        if (!back || *back != expected || text.size() > 22) {
            ADD_FAILURE() << "double " << value << " gave " << text.toStdString();
            ++failures;
        }
        if (i % 16 == 0) {
            const QString patterned = ApplyDisplayPattern(value, QString::fromUtf16(patterns[i / 16 % 5]));
            if (hasExponent(patterned)) {
                ADD_FAILURE() << "pattern exponent for " << value;
                ++failures;
            }
        }
    }
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
