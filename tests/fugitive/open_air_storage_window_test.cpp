// The open-air storage window: the benzene example of its note, the
// single-precision values that a failed step keeps across presses and a
// reopening, and the keystroke filter and select-all of its six boxes.
#include "common/forms/input_helpers.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_script.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("有毒有害物质露天存放散发量");

const std::vector<Act> kBenzene = {type("Text5", "34172"), type("Text8", "7.962"), type("Text4", "20"),
                                   type("Text1", "0.5"),   type("Text2", "10"),    type("Text3", "78")};

std::vector<Act> operator+(std::vector<Act> a, const std::vector<Act> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(OpenAirStorageWindow, PressesKeepWhatFailedStepsLeft)
{
    const struct
    {
        const char *name;
        std::vector<Act> acts;
    } cases[] = {
        {"benzene from the note", kBenzene + std::vector{press("Command2"), shows("Text6", "48703.07")}},
        {"no wind on one square metre",
         kBenzene + std::vector{type("Text1", "0"), type("Text2", "1"), press("Command2"), shows("Text6", "3526.548")}},
        {"every box empty right after opening", {shows("Text6", " "), press("Command2"), shows("Text6", "0")}},
        {"F emptied: the result before",
         kBenzene + std::vector{press("Command2"), set("Text2", ""), press("Command2"), shows("Text6", "48703.07")}},
        {"B emptied: computed with B as 0",
         kBenzene + std::vector{press("Command2"), set("Text8", ""), press("Command2"),
                                shows("Text6", "0.0005315649")}},
        {"A emptied: B added to the kept exponent once more",
         kBenzene + std::vector{press("Command2"), set("Text5", ""), press("Command2"),
                                shows("Text6", "4.462278E+12")}},
        {"a lone point in M: the result before",
         kBenzene + std::vector{press("Command2"), set("Text3", "."), press("Command2"), shows("Text6", "48703.07")}},
    };
    for (const auto &c : cases) {
        WindowDriver window(kWindow);
        runScript(window, c.acts, c.name);
    }
}

// The window's values are those of the instance: closing the window shows
// the texts at open again but keeps E, PH, W and G.
TEST(OpenAirStorageWindow, ValuesSurviveReopening)
{
    WindowDriver window(kWindow);
    runScript(window, kBenzene + std::vector{press("Command2")}, "first opening");
    window.reopen();
    runScript(window,
              {shows("Text2", ""), shows("Text6", " "), press("Command2"), shows("Text6", "48703.07"),
               type("Text8", "7.962"), type("Text2", "10"), type("Text3", "78"), press("Command2"),
               shows("Text6", "4.462278E+12")},
              "reopened");
    // A fresh instance starts from zero.
    WindowDriver fresh(kWindow);
    runScript(fresh, {press("Command2"), shows("Text6", "0")}, "fresh instance");
}

TEST(OpenAirStorageWindow, EveryInputFiltersKeysAndSelectsOnFocus)
{
    WindowDriver window(kWindow);
    QApplication::setActiveWindow(window.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.window()));
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text8"}) {
        SCOPED_TRACE(name);
        auto *box = window.find<QLineEdit>(name);
        ASSERT_NE(box, nullptr);
        box->setFocus(Qt::OtherFocusReason);
        box->setCursorPosition(box->text().size());
        MessageRecorder messages;
        typeText(box, QStringLiteral("1.5.a"));
        EXPECT_EQ(box->text(), QStringLiteral("1.5"));
        EXPECT_EQ(messages.messages,
                  (QStringList{kSecondPointMessage.toString(), kNotNumericMessage.toString()}));
        messages.messages.clear();
        typeText(box, QStringLiteral("-"));
        EXPECT_EQ(box->text(), QStringLiteral("1.5"));
        EXPECT_EQ(messages.messages, QStringList{kNotNumericMessage.toString()});

        // Not by Tab, which selects a box's text on its own.
        window.find<QLineEdit>("Text6")->setFocus(Qt::OtherFocusReason);
        box->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(box->selectedText(), QStringLiteral("1.5"));
    }
    // The result box has neither.
    auto *result = window.find<QLineEdit>("Text6");
    result->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(result->hasSelectedText());
}

TEST(OpenAirStorageWindow, NoteListsTheConstants)
{
    WindowDriver window(kWindow);
    const QString note = window.find<QPlainTextEdit>("Text7")->toPlainText();
    EXPECT_TRUE(note.startsWith(QStringLiteral("计算依据：")));
    EXPECT_TRUE(note.contains(QStringLiteral("《环境保护计算手册》")));
    const QStringList lines = note.split(u'\n');
    const qsizetype header = lines.indexOf(QStringLiteral("物质名称|   A   |   B   |"));
    ASSERT_GE(header, 0);
    // The table's first row, whose constants the benzene example uses.
    EXPECT_EQ(lines.value(header + 1), QStringLiteral("  苯    |34172  |7.962  |"));
    EXPECT_EQ(lines.size(), header + 10);
}


} // namespace
