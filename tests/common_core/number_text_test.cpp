#include "common/numbers/number_text.h"
#include "common/numbers/general_value.h"

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace corvalen;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TextCase
{
    double value;
    const char *text;
};

TEST(SingleText, WritesSevenSignificantDigitsPlainFromMinus4To6)
{
    const TextCase cases[] = {
        {250, "250"}, {0.43, "0.43"}, {1.0 / 3, "0.3333333"}, {-2.5, "-2.5"}, {0, "0"}, {-0.0, "0"},
        {9999999, "9999999"},  // exponent 6: still plain
        {2e7, "2E+07"}, {12345678, "1.234568E+07"},
        {9999999.9, "1E+07"},  // rounds up into exponent 7
        {1e-4, "0.0001"}, {1.5e-4, "0.00015"}, {1e-5, "1E-05"}, {1.5e-5, "1.5E-05"},
        {9.999999747e-05, "0.0001"},  // rounds up into exponent -4
        {9.999999e-05, "9.999999E-05"},
        {0.1, "0.1"},  // not the expansion of its stored bits
        {123456.75, "123456.8"},
        {3.4028234663852886e38, "3.402823E+38"}, {1.401298464324817e-45, "1.401298E-45"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SingleText(float(c.value)), QString::fromLatin1(c.text)) << c.value;
}

TEST(DoubleText, WritesFifteenSignificantDigitsPlainFromMinus4To14)
{
    const TextCase cases[] = {
        {250, "250"}, {1.0 / 3, "0.333333333333333"}, {-0.5, "-0.5"}, {-0.0, "0"},
        {123456789012345, "123456789012345"},  // fifteen digits, all written
        {999999999999999, "999999999999999"}, {1e15, "1E+15"}, {999999999999999.9, "1E+15"},
        {1234567890123456, "1.23456789012346E+15"},
        {1e-4, "0.0001"}, {1e-5, "1E-05"}, {1.5e-5, "1.5E-05"},
        {115.19999999999997, "115.2"}, {0.1 + 0.2, "0.3"}, {222828.5625, "222828.5625"},
        {1e100, "1E+100"}, {1e-300, "1E-300"},
        {DBL_MAX, "1.79769313486232E+308"}, {4.9406564584124654e-324, "4.94065645841247E-324"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DoubleText(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(NumberText, InfiniteAndUndefinedHaveTheirOwnTexts)
{
    EXPECT_EQ(DoubleText(kInf), kInfiniteText);
    EXPECT_EQ(DoubleText(-kInf), kNegativeInfiniteText);
    EXPECT_EQ(DoubleText(kNaN), kUndefinedText);
    EXPECT_EQ(SingleText(float(kInf)), kInfiniteText);
    EXPECT_EQ(SingleText(-float(kInf)), kNegativeInfiniteText);
    EXPECT_EQ(SingleText(float(kNaN)), kUndefinedText);
    EXPECT_EQ(ApplyDisplayPattern(kInf, u"####.##"), kInfiniteText);
    EXPECT_EQ(ApplyDisplayPattern(kNaN, u"0.00"), kUndefinedText);
    EXPECT_EQ(SignedNumberText(-kInf), kNegativeInfiniteText);
}

TEST(SignedNumberText, DropsTheLeadingZeroAndMarksNonNegativeWithABlank)
{
    const TextCase cases[] = {
        {0.5, " .5"}, {-0.5, "-.5"}, {250, " 250"}, {-250, "-250"},
        {0, " 0"}, {1e-5, " 1E-05"}, {1.25, " 1.25"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SignedNumberText(c.value), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ(SignedNumberText(0.1f), QStringLiteral(" .1"));
}

struct PatternCase
{
    double value;
    const char16_t *pattern;
    const char *text;
};

TEST(ApplyDisplayPattern, WritesThroughEveryPatternFormInUse)
{
    const PatternCase cases[] = {
        // "#" and "." alone: no leading zero, the point always written.
        {0, u"######.##", "."}, {250, u"######.##", "250."}, {0.004, u"####.##", "."},
        {0.43, u"####.##", ".43"}, {3.5, u"####.##", "3.5"}, {-0.43, u"####.##", "-.43"},
        {123456789, u"##.##", "123456789."},  // every integer digit
        {0.25, u"####.#", ".3"}, {2.5, u"####.", "3."}, {-2.5, u"####.", "-3."},  // halves away from zero
        {1.005, u"####.##", "1.01"},          // 1.00499999999999989... as 1.005
        {115.19999999999997, u"####.#", "115.2"}, {9.995, u"####.##", "10."}, {99.996, u"##.##", "100."},
        {-0.004, u"####.##", "."},            // rounds to zero: no sign
        {12.3456789, u"##.######", "12.345679"}, {0.000123, u"##.####", ".0001"},
        {1e20, u"####.##", "100000000000000000000."}, {1.5e-7, u"#########.######", "."},
        // "#...#0.0000": a zero before the point, four decimals kept.
        {0.5, u"####0.0000", "0.5000"}, {250, u"####0.0000", "250.0000"}, {0, u"####0.0000", "0.0000"},
        {-0.00004, u"####0.0000", "0.0000"}, {0.00005, u"####0.0000", "0.0001"},
        // "0.00"
        {0.005, u"0.00", "0.01"}, {0, u"0.00", "0.00"}, {-1.234, u"0.00", "-1.23"},
        {1234567.891, u"0.00", "1234567.89"},
        // "###,##0.00": groups of three, two decimals.
        {20, u"###,##0.00", "20.00"}, {1234.5, u"###,##0.00", "1,234.50"}, {0.1, u"###,##0.00", "0.10"},
        {1234567.125, u"###,##0.00", "1,234,567.13"}, {-1234567, u"###,##0.00", "-1,234,567.00"},
        {999.995, u"###,##0.00", "1,000.00"}, {123456789012, u"###,##0.00", "123,456,789,012.00"},
    };
    for (const auto &c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        EXPECT_EQ(ApplyDisplayPattern(c.value, pattern), QString::fromLatin1(c.text)) << c.value << " " << pattern.toStdString();
    }
}

// A single is rounded once, to the pattern's places, from the value it
// holds: never first to its 7-digit text and then again.
TEST(ApplyDisplayPattern, SinglesRoundOnceLikeDoubles)
{
    const struct { float value; const char16_t *pattern; const char *text; } cases[] = {
        {2.675f, u"####.##", "2.67"},  // 2.6749999523...
        {0.1f, u"####.##########", ".1000000015"}, {0.23105348646640778f, u"##.######", ".231053"},
        {2.4999998807907104f, u"#.", "2."}, {16777216.0f, u"####.##", "16777216."}, {0.5f, u"#.", "1."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ApplyDisplayPattern(c.value, c.pattern), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ(ApplyDisplayPattern(2.675, u"####.##"), QStringLiteral("2.68"));
}

TEST(ApplyDisplayPattern, TextsAndGeneralValues)
{
    EXPECT_EQ(ApplyDisplayPattern(QStringLiteral("0.4838"), u"####.####"), QStringLiteral(".4838"));
    EXPECT_EQ(ApplyDisplayPattern(QStringLiteral("1,234.5"), u"###,##0.00"), QStringLiteral("1,234.50"));
    EXPECT_EQ(ApplyDisplayPattern(QStringLiteral("abc"), u"####.##"), QStringLiteral("abc"));
    EXPECT_EQ(ApplyDisplayPattern(QString(), u"####.##"), QString());
    EXPECT_EQ(ApplyDisplayPattern(GeneralValue(), u"####.##"), QStringLiteral("."));
    EXPECT_EQ(ApplyDisplayPattern(GeneralValue::failed(), u"####0.0000"), QStringLiteral("0.0000"));
    EXPECT_EQ(ApplyDisplayPattern(GeneralValue(100), u"######.##"), QStringLiteral("100."));
    EXPECT_EQ(ApplyDisplayPattern(GeneralValue(QStringLiteral("2.5")), u"0.00"), QStringLiteral("2.50"));
}

TEST(ToDouble, ReadsNumbersAndRefusesEverythingElse)
{
    const struct { const char16_t *text; double value; } good[] = {
        {u"83.3", 83.3}, {u"1,000", 1000}, {u"1,000,000.25", 1000000.25}, {u"1E3", 1000},
        {u"1e-3", 0.001}, {u"2.5E+2", 250}, {u".5", 0.5}, {u"5.", 5}, {u"  7  ", 7},
        {u"\t-3\t", -3}, {u"+3", 3}, {u"-.5", -0.5}, {u"1e-400", 0}, {u"1e308", 1e308},
        {u"0.1", 0.1}, {u"00012", 12},
    };
    for (const auto &c : good) {
        const auto v = ToDouble(QString::fromUtf16(c.text));
        ASSERT_TRUE(v) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(*v, c.value) << QString::fromUtf16(c.text).toStdString();
    }
    const char16_t *bad[] = {
        u"", u"   ", u"-", u"+", u".", u"5kg", u"1.2.3", u"abc", u"1e", u"1e+", u"e5", u"1,", u",1",
        u"1 000", u"- 5", u"1e309", u"-1e309", u"&H10", u"inf", u"nan", u"１２", u"1.5,0", u"1D3", u"5-",
        u"二氧化硫", u"--5",
    };
    for (const char16_t *text : bad)
        EXPECT_FALSE(ToDouble(QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();
    const auto negativeZero = ToDouble(u"-0");
    ASSERT_TRUE(negativeZero);
    EXPECT_TRUE(std::signbit(*negativeZero));
    EXPECT_EQ(ToDouble(QString(5000, u'9')), std::nullopt);
    EXPECT_EQ(ToDouble(QStringLiteral("0.") + QString(5000, u'0') + QStringLiteral("1")), 0.0);
}

TEST(ToSingle, RoundsToTheNearestSingleAndRefusesBeyondItsRange)
{
    EXPECT_EQ(ToSingle(u"0.1"), 0.1f);
    EXPECT_EQ(ToSingle(u"3.4e38"), 3.4e38f);
    EXPECT_EQ(ToSingle(u"3.4028235e38"), FLT_MAX);
    EXPECT_FALSE(ToSingle(u"3.4028236e38"));
    EXPECT_FALSE(ToSingle(u"1e39"));
    EXPECT_FALSE(ToSingle(u"-1e39"));
    EXPECT_EQ(ToSingle(u"1e-50"), 0.0f);
    // The nearest single of the text itself, not of its double: this text
    // lies just above a halfway point between two singles.
    EXPECT_EQ(ToSingle(u"1.00000005960464477539062500001"), 1.00000011920928955078125f);
    EXPECT_FALSE(ToSingle(u""));
    EXPECT_FALSE(ToSingle(u"abc"));
    EXPECT_FALSE(ToSingle(u"-"));
}

TEST(Conversions, IgnoreTheDesktopLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ToDouble(u"83.3"), 83.3);
    EXPECT_EQ(DoubleText(83.3), QStringLiteral("83.3"));
    EXPECT_EQ(ApplyDisplayPattern(1234.5, u"###,##0.00"), QStringLiteral("1,234.50"));
    QLocale::setDefault(previous);
}

TEST(LeadingNumber, ReadsTheLongestNumberAtTheStartAndNeverFails)
{
    const struct { const char16_t *text; double value; } cases[] = {
        {u"", 0}, {u"abc", 0}, {u"3.5kg", 3.5}, {u"1 2 3", 123}, {u"1,000", 1}, {u"12abc", 12},
        {u"1.2.3", 1.2}, {u"-", 0}, {u".", 0}, {u"-5", -5}, {u"+7", 7}, {u"\t\n- 5", -5},
        {u"1\r2", 1}, {u".5", 0.5}, {u"1e3", 1000}, {u"1E-2", 0.01}, {u"1D3", 1000}, {u"2d+2", 200},
        {u"1e", 1}, {u"1e+", 1}, {u"1ex", 1}, {u"&HFF", 255}, {u"&h1f", 31}, {u"&O17", 15},
        {u"&o8", 0}, {u"&H", 0}, {u"&X1", 0}, {u"& H 10", 16}, {u"1e-400", 0}, {u"--5", 0},
        {u"二氧化硫", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LeadingNumber(QString::fromUtf16(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(LeadingNumber(u"1e400"), kInf);
    EXPECT_EQ(LeadingNumber(u"-1e400"), -kInf);
    EXPECT_EQ(LeadingNumber(QString(400, u'9')), kInf);
}

TEST(GeneralValue, TextArithmeticConvertsAndPlusJoinsTwoTexts)
{
    const GeneralValue five(QStringLiteral("5"));
    const GeneralValue word(QStringLiteral("kg"));
    EXPECT_EQ(ValueText(five + five), QStringLiteral("55"));
    EXPECT_EQ((five + 5).kind(), GeneralValue::Kind::Double);
    EXPECT_EQ((five + 5).toDouble(), 10);
    EXPECT_EQ((five * five).toDouble(), 25);
    EXPECT_EQ((GeneralValue(1600) * QStringLiteral("300") * QStringLiteral("0.24") / 100).toDouble(),
              1600.0 * 300 * 0.24 / 100);
    EXPECT_EQ((1 - GeneralValue(QStringLiteral("20")) / 100).toDouble(), 0.8);
    EXPECT_EQ(power(QStringLiteral("2"), 10).toDouble(), 1024);
    EXPECT_EQ((GeneralValue() * 3).toDouble(), 0);  // never set counts as 0
    EXPECT_EQ(ValueText(GeneralValue() + word), QStringLiteral("kg"));

    // Failures, and that a chain stops at the first one.
    EXPECT_TRUE((word * 2).isFailed());
    EXPECT_TRUE((GeneralValue(QString()) - 1).isFailed());
    EXPECT_TRUE((five + 1 - word).isFailed());
    EXPECT_TRUE((word + 1).isFailed());
    EXPECT_TRUE((GeneralValue(1) / 0).isFailed());
    EXPECT_TRUE((GeneralValue(0) / QStringLiteral("0")).isFailed());
    EXPECT_TRUE((GeneralValue(QStringLiteral("1e308")) * 10).isFailed());
    EXPECT_TRUE(power(-8.0, 1.0 / 3).isFailed());
    EXPECT_TRUE((GeneralValue::failed() + word).isFailed());
    EXPECT_TRUE(((word * 2) * 0).isFailed());
}

TEST(GeneralValue, DefaultTextFollowsWhatItHolds)
{
    EXPECT_EQ(ValueText(GeneralValue()), QString());
    EXPECT_EQ(ValueText(GeneralValue(42)), QStringLiteral("42"));
    EXPECT_EQ(ValueText(GeneralValue(42L)), QStringLiteral("42"));
    EXPECT_EQ(ValueText(GeneralValue(qint64(-9007199254740993))), QStringLiteral("-9007199254740993"));
    EXPECT_EQ(ValueText(GeneralValue(1.0f / 3)), QStringLiteral("0.3333333"));
    EXPECT_EQ(ValueText(GeneralValue(1.0 / 3)), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(ValueText(GeneralValue(QStringLiteral(" x "))), QStringLiteral(" x "));
}

} // namespace
