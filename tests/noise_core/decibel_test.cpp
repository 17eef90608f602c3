// The decibel calculators: superposition, attenuation, subtraction, with the
// values they keep from one event to the next.
#include "noise/decibel.h"
#include "qstring_print.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

SuperpositionInputs sources(const char *a, const char *b, const char *c, const char *d, const char *e)
{
    return {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(d), QString::fromUtf8(e)};
}

TEST(Superposition, OnAFreshWindow)
{
    struct Case { const char *name; SuperpositionInputs in; const char *shown; };
    const Case cases[] = {
        {"one source", sources("80", "0", "0", "0", "0"), "80"},
        {"all absent on the first press", sources("0", "0", "0", "0", "0"), "0"},
        {"blank boxes count their kept 0", sources("", "abc", " ", "-", "."), "0"},
        {"an overflowing sum", sources("400", "0", "0", "0", "0"), "无穷大"},
    };
    for (const Case &c : cases) {
        Superposition window;
        EXPECT_EQ(window.press(c.in), QString::fromUtf8(c.shown)) << c.name;
    }
}

TEST(Superposition, KeptValuesStandInForMissingInputsAndAllAbsent)
{
    Superposition window;
    EXPECT_EQ(window.press(sources("70", "80", "0", "0", "0")), QStringLiteral("80.41"));
    // After 清除 every box reads 0: all absent, the last result again.
    EXPECT_EQ(window.press(sources("0", "0", "0", "0", "0")), QStringLiteral("80.41"));
    // A box cleared to empty still counts with the 70 it last gave.
    window.press(sources("70", "0", "0", "0", "0"));
    EXPECT_EQ(window.press(sources("", "70", "0", "0", "0")), QStringLiteral("73.01"));
    EXPECT_FLOAT_EQ(window.levels[0], 70.0f);
    EXPECT_EQ(window.absent, 3.0f);
}

TEST(Attenuation, OnAFreshWindow)
{
    struct Case { const char *name; const char *level; const char *distance; const char *shown; };
    const Case fresh[] = {
        {"defaults", "75", "50", "41.0206"},
        {"one metre", "75", "1", "75"},
        {"ten metres", "75", "10", "55"},
        {"zero distance keeps no attenuation yet", "75", "0", "75"},
        {"nothing typed", "", "", "0"},
    };
    for (const Case &c : fresh) {
        Attenuation window;
        EXPECT_EQ(window.update({QString::fromUtf8(c.level), QString::fromUtf8(c.distance)}),
                  QString::fromUtf8(c.shown)) << c.name;
    }
}

TEST(Subtraction, DifferencesAndNoDifference)
{
    struct Case { const char *name; const char *l1; const char *l2; const char *shown; };
    const Case cases[] = {
        {"worked example", "68", "65", "64.98"},
        {"ten dB apart", "70", "60", "69.54"},
        {"below one shows no leading zero", "3.23", "0", ".43"},
        {"a whole result keeps its point", "60", "30", "60."},
        {"equal levels", "70", "70", "."},
        {"minuend smaller", "65", "68", "."},
        {"empty minuend", "", "65", "."},
        {"letters", "68", "x", "."},
        {"the largest power in the double range", "3080", "65", "3080."},
        {"a minuend whose power is beyond the double range", "3090", "65", "."},
        {"a subtrahend whose power is beyond the double range", "65", "3090", "."},
        {"a power that falls to zero", "68", "-4000", "68."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decibelDifference({QString::fromUtf8(c.l1), QString::fromUtf8(c.l2)}), QString::fromUtf8(c.shown))
            << c.name;
}

} // namespace
