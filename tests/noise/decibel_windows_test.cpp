// The decibel windows driven through their boxes: what a user types, presses
// and reads, with the values the windows keep between events.
#include "message_recorder.h"
#include "qstring_print.h"
#include "window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const QString kSuperposition = QStringLiteral("噪声源叠加计算程序");
const QString kAttenuation = QStringLiteral("噪声源衰减计算程序");
const QString kSubtraction = QStringLiteral("分贝相减运算1");

void setSources(WindowDriver &w, const QStringList &levels)
{
    for (int i = 0; i < 5; ++i)
        w.set(QStringLiteral("Text%1").arg(i + 1), levels.value(i));
}

TEST(SuperpositionWindow, WorkedExamples)
{
    struct Case { const char *name; QStringList levels; const char *shown; };
    const Case cases[] = {
        {"two of 80", {"80", "80", "0", "0", "0"}, "83.01"},
        {"five levels", {"60", "65", "70", "75", "80"}, "81.64"},
        {"a single 80", {"80", "0", "0", "0", "0"}, "80"},
        {"five of 85", {"85", "85", "85", "85", "85"}, "91.99"},
        {"negative level", {"-10", "0", "0", "0", "0"}, "-10"},
    };
    for (const Case &c : cases) {
        WindowDriver w(kSuperposition);
        setSources(w, c.levels);
        w.press("Command2");
        EXPECT_EQ(w.text("Text6"), QString::fromUtf8(c.shown)) << c.name;
    }
}

TEST(SuperpositionWindow, OpensUncomputedAndKeepsItsValuesAcrossClear)
{
    WindowDriver w(kSuperposition);
    EXPECT_EQ(w.text("Text6"), QStringLiteral(" "));
    w.press("Command2");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("0")) << "all five at their design-time 0";

    setSources(w, {"70", "80", "0", "0", "0"});
    w.press("Command2");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("80.41"));
    w.press("Command1");
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        EXPECT_EQ(w.text(box), QStringLiteral("0")) << box;
    w.press("Command2");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("80.41")) << "all absent: the kept result again";

    setSources(w, {"70", "0", "0", "0", "0"});
    w.press("Command2");
    w.set("Text1", QString());
    w.set("Text2", QStringLiteral("70"));
    w.press("Command2");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("73.01")) << "an emptied box counts with its last 70";
}

TEST(AttenuationWindow, RecomputesOnEveryChangeAndClick)
{
    WindowDriver w(kAttenuation);
    EXPECT_EQ(w.text("Text6"), QStringLiteral(" ")) << "opening computes nothing";
    w.click("Text6");
    EXPECT_EQ(w.text("Text6"), QStringLiteral("41.0206"));

    w.type("Text2", QStringLiteral("10"));
    EXPECT_EQ(w.text("Text6"), QStringLiteral("55"));
    w.type("Text2", QStringLiteral("0"));
    EXPECT_EQ(w.text("Text6"), QStringLiteral("55")) << "distance 0 keeps the attenuation of 10 m";
    w.typeByLabel(QStringLiteral("点声源："), QStringLiteral("80"));
    EXPECT_EQ(w.text("Text6"), QStringLiteral("60")) << "the level follows";
    w.set("Text2", QStringLiteral("1"));
    EXPECT_EQ(w.text("Text6"), QStringLiteral("80"));
}

TEST(SubtractionWindow, DifferencesAsTyped)
{
    WindowDriver w(kSubtraction);
    EXPECT_EQ(w.text("Text3"), QString());
    w.click("Text3");
    EXPECT_EQ(w.text("Text3"), QStringLiteral("64.98"));

    struct Case { const char *l1; const char *l2; const char *shown; };
    const Case cases[] = {{"70", "70", "."}, {"65", "68", "."}, {"68", "65", "64.98"}, {"3090", "65", "."}};
    for (const Case &c : cases) {
        w.set("Text1", QString::fromUtf8(c.l1));
        w.set("Text2", QString::fromUtf8(c.l2));
        EXPECT_EQ(w.text("Text3"), QString::fromUtf8(c.shown)) << c.l1 << " - " << c.l2;
    }
    // Each keystroke recomputes.
    w.typeByLabel(QStringLiteral("被减数[dB]"), QStringLiteral("7"));
    EXPECT_EQ(w.text("Text3"), QStringLiteral("."));
    w.typeByLabel(QStringLiteral("被减数[dB]"), QStringLiteral("70"));
    EXPECT_EQ(w.text("Text3"), QStringLiteral("68.35"));
}

} // namespace
