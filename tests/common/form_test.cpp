// The form layer's conventions, once: change on an identical write, a list's
// click only on a real choice, buddies and accessible names, the key filter
// and select-all by flag, and a trigger table running its steps in order.
#include "common/form_window.h"
#include "common/number_text.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kWindow = QStringLiteral("表单层测试窗口");

// A small live calculator: C = A + B on any change of A or B and on a click
// into C; a list whose choice writes its item into D; a button that writes
// B's own text into B again (an identical write) and counts B's changes.
struct Log
{
    QStringList steps;
    int changesOfB = 0;
};

FormSpec testSpec(std::shared_ptr<Log> log)
{
    FormSpec spec;
    spec.caption = QStringLiteral("测试");
    spec.design = [](Form &form) {
        Panel &top = form.top();
        top.box({.name = "Text1", .label = QStringLiteral("A（数值）："), .text = "1", .flags = Numeric | SelectAll});
        top.box({.name = "Text2", .label = QStringLiteral("B："), .text = "2",
                 .explain = {.button = "Command1", .message = QStringLiteral("说明")}});
        top.result({.name = "Text3", .label = QStringLiteral("C="), .flags = Bold});
        top.list({.name = "Combo1", .label = QStringLiteral("类别："), .items = {QStringLiteral("甲"), QStringLiteral("乙")}});
        top.result({.name = "Text4", .accessibleName = QStringLiteral("类别结果")});
        top.button("Command2", QStringLiteral("计算"));
    };
    spec.steps["sum"] = [log](Form &form) {
        log->steps << "sum";
        const GeneralValue a = GeneralValue(form.text("Text1")) * GeneralValue(1);
        form.write("Text3", ApplyDisplayPattern(a + GeneralValue(form.text("Text2")) * GeneralValue(1), u"####.##"));
    };
    spec.steps["countB"] = [log](Form &) { ++log->changesOfB; };
    spec.steps["kind"] = [log](Form &form) {
        log->steps << "kind";
        form.write("Text4", form.text("Combo1"));
    };
    spec.steps["rewriteB"] = [](Form &form) { form.write("Text2", form.text("Text2")); };
    spec.triggers = {
        {On::Change, {"Text1", "Text2"}, {"sum"}},
        {On::Change, {"Text2"}, {"countB"}},
        {On::Click, {"Text3"}, {"sum"}},
        {On::Choose, {"Combo1"}, {"kind"}},
        {On::Press, {"Command2"}, {"rewriteB"}},
    };
    return spec;
}

std::shared_ptr<Log> g_log = std::make_shared<Log>();

class FormLayer : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!ToolRegistry::global().contains(kWindow))
            registerFormWindow(ToolRegistry::global(), kWindow, "common", ToolKind::LiveCalculator,
                               [] { return testSpec(g_log); });
    }
    void SetUp() override { *g_log = Log(); }
};

TEST_F(FormLayer, DesignTimeTextsAreNoChangesAndEveryWriteIsOne)
{
    WindowDriver w(kWindow);
    EXPECT_EQ(w.text("Text3"), QString()) << "opening computes nothing";
    EXPECT_TRUE(g_log->steps.isEmpty());

    w.type("Text1", "12");
    EXPECT_EQ(g_log->steps, QStringList({"sum", "sum"})) << "once with 1, once with 12";
    EXPECT_EQ(w.text("Text3"), QStringLiteral("14."));

    w.press("Command2");  // writes B's own text into B
    EXPECT_EQ(g_log->changesOfB, 1) << "an identical write is a change";

    w.set("Text3", QStringLiteral("typed"));
    w.click("Text3");
    EXPECT_EQ(w.text("Text3"), QStringLiteral("14."));
}

TEST_F(FormLayer, ListClickOnlyOnARealChoice)
{
    WindowDriver w(kWindow);
    auto *list = w.find<QComboBox>("Combo1");
    EXPECT_EQ(list->currentText(), QString()) << "lists start empty";
    w.type("Combo1", QStringLiteral("乙"));
    EXPECT_TRUE(g_log->steps.isEmpty()) << "typing an item's text is no choice";
    w.choose("Combo1", QStringLiteral("甲"));
    EXPECT_EQ(w.text("Text4"), QStringLiteral("甲"));
}

TEST_F(FormLayer, BoxesAreNamedByTheirLabels)
{
    WindowDriver w(kWindow);
    struct Named { const char *box; QString name; };
    const Named rows[] = {
        {"Text1", QStringLiteral("A（数值）：")},
        {"Text2", QStringLiteral("B：")},
        {"Text3", QStringLiteral("C=")},
        {"Text4", QStringLiteral("类别结果")},
        {"Combo1", QStringLiteral("类别：")},
    };
    for (const Named &row : rows) {
        QWidget *control = w.find(row.box);
        ASSERT_NE(control, nullptr) << row.box;
        EXPECT_EQ(control->accessibleName(), row.name) << row.box;
    }
    int buddies = 0;
    for (QLabel *label : w.window()->findChildren<QLabel *>())
        buddies += label->buddy() != nullptr;
    EXPECT_EQ(buddies, 4) << "every label beside a box is its buddy";
    EXPECT_EQ(w.boxByLabel(QStringLiteral("B："))->objectName(), "Text2");
    EXPECT_EQ(w.find<QPushButton>("Command2")->accessibleName(), QStringLiteral("计算"));
}

TEST_F(FormLayer, FilterAndSelectAllComeWithTheirFlags)
{
    WindowDriver w(kWindow);
    MessageRecorder messages;
    w.type("Text1", "x");
    EXPECT_EQ(messages.messages.size(), 1) << "the numeric box refuses a letter";
    w.type("Text2", "x");
    EXPECT_EQ(w.text("Text2"), "x") << "a box without the flag takes any text";
    EXPECT_EQ(messages.messages.size(), 1);

    auto *a = w.find<QLineEdit>("Text1");
    auto *b = w.find<QLineEdit>("Text2");
    a->deselect();
    b->deselect();
    QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(a, &in);
    EXPECT_EQ(a->selectedText(), a->text());
    QCoreApplication::sendEvent(b, &in);
    EXPECT_TRUE(b->selectedText().isEmpty());

    w.press("Command1");
    EXPECT_EQ(messages.messages.last(), QStringLiteral("说明"));
}

TEST_F(FormLayer, ReopeningRebuildsTheDesign)
{
    WindowDriver w(kWindow);
    w.type("Text1", "5");
    w.reopen();
    EXPECT_EQ(w.text("Text1"), "1");
    EXPECT_EQ(w.text("Text3"), QString());
    EXPECT_EQ(w.find<QComboBox>("Combo1")->count(), 2);
}

TEST(ReportBox, ANewReportLeavesNothingOfTheOld)
{
    ReportBox box;
    box.showReport({"a", "b", "c"}, QLatin1Char('\r'));
    EXPECT_EQ(box.report(), "a\rb\rc");
    EXPECT_EQ(box.document()->blockCount(), 3);
    box.showReport(QStringList{"d"});
    EXPECT_EQ(box.report(), "d");
    EXPECT_EQ(box.toPlainText(), "d");
}

} // namespace
