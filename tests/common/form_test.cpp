// The form layer's conventions, once: change on an identical write, a list's
// click only on a real choice, buddies and accessible names, the key filter
// and select-all by flag, and a trigger table running its steps in order.
#include "common/forms/controls.h"
#include "common/forms/form_window.h"
#include "common/forms/keyboard_access.h"
#include "common/numbers/number_text.h"
#include "common/numbers/general_value.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>
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

// A list filled at load, or filled again, shows no item until the user
// chooses one, whether it was chosen before or not.
TEST(FillList, LeavesNoItemChosen)
{
    struct Row
    {
        const char *name;
        bool editable;
        int chosenBefore;  // -1: none
    };
    const Row rows[] = {
        {"editable, empty", true, -1},
        {"editable, an item chosen before", true, 0},
        {"fixed items, an item chosen before", false, 1},
    };
    for (const Row &row : rows) {
        QComboBox *list = makeList(nullptr, QStringLiteral("Combo1"), row.editable);
        std::unique_ptr<QComboBox> owner(list);
        if (row.chosenBefore >= 0) {
            list->addItems({QStringLiteral("甲"), QStringLiteral("乙")});
            list->setCurrentIndex(row.chosenBefore);
        }
        fillList(list, {QStringLiteral("丙"), QStringLiteral("丁")});
        EXPECT_EQ(list->currentIndex(), -1) << row.name;
        EXPECT_EQ(list->currentText(), QString()) << row.name;
        EXPECT_EQ(list->itemText(list->count() - 1), QStringLiteral("丁")) << row.name;
    }
}

// An editable list is editable as a combo box made editable by Qt is,
// though its popup list is built only when first needed: the popup scrolls
// with a scroll bar, the box takes focus alike and never completes a text.
TEST(MakeList, EditableListIsQtsEditableComboBox)
{
    std::unique_ptr<QComboBox> list(makeList(nullptr, QStringLiteral("Combo1"), true));
    QComboBox qt;
    qt.setEditable(true);
    ASSERT_TRUE(list->isEditable());
    EXPECT_EQ(list->lineEdit()->palette(), qt.lineEdit()->palette());
    EXPECT_EQ(list->focusPolicy(), qt.focusPolicy());
    EXPECT_EQ(list->lineEdit()->hasFrame(), qt.lineEdit()->hasFrame());
    EXPECT_EQ(list->completer(), nullptr);
    EXPECT_EQ(list->view()->verticalScrollBarPolicy(), qt.view()->verticalScrollBarPolicy());
    EXPECT_EQ(list->view()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
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

// Every flag a box can carry shows on the box or its label: none is
// accepted and then left without an effect.
TEST(FieldFlags, EveryFlagHasAnEffect)
{
    struct Seen
    {
        bool takesLetters, selectsOnFocus, readOnly, bold, boldLabel, tabbedAfterButtons;
        bool operator==(const Seen &) const = default;
    };
    const auto seen = [](int flags) {
        QWidget window;
        Form form(&window);
        TextBox *box = form.top().box({.name = "Text1", .label = QStringLiteral("A："), .text = "12", .flags = flags});
        Panel buttons = form.top().line();
        buttons.button("Command1", QStringLiteral("计算"));
        QPushButton *last = buttons.button("Command2", QStringLiteral("清除"));
        prepareWindowAccess(&window);
        QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(box, &in);
        const bool selects = box->selectedText() == "12";
        box->deselect();
        box->end(false);
        QTest::keyClick(box, Qt::Key_X);
        return Seen{box->text() == "12x", selects, box->isReadOnly(), box->font().bold(),
                    window.findChild<QLabel *>()->font().bold(), last->nextInFocusChain() == box};
    };
    const Seen plain = seen(0);
    EXPECT_TRUE(plain.takesLetters);
    for (int flag = 1; flag <= Result; flag <<= 1)
        EXPECT_FALSE(seen(flag) == plain) << "flag " << flag;
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

// A name the window does not have, or a control of another kind than asked
// for, stops the program with the window and the name instead of reading "".
TEST_F(FormLayer, AStepNamingAMissingControlFailsLoudly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    WindowDriver w(kWindow);
    auto *window = dynamic_cast<FormWindow *>(w.instance());
    ASSERT_TRUE(window && window->form());
    Form &form = *window->form();
    struct Row { const char *what; std::function<void()> act; const char *says; };
    const Row rows[] = {
        {"read", [&form] { (void)form.text("Txet1"); }, "no control named Txet1"},
        {"write", [&form] { form.write("Text9", "1"); }, "no control named Text9"},
        {"check", [&form] { (void)form.isChecked("Option1"); }, "no control named Option1"},
        {"wrong kind", [&form] { (void)form.get<QComboBox>("Text1"); }, "Text1 is no QComboBox"},
    };
    for (const Row &row : rows)
        EXPECT_DEATH(row.act(), row.says) << row.what;
    EXPECT_EQ(form.text("Text1"), "1") << "a name it has reads as before";
    EXPECT_EQ(form.find(QString()), nullptr) << "an empty name is no control";
}

// A trigger is refused when its control cannot raise the event: the window
// would otherwise open and never run the steps.
TEST(FormTriggers, AControlThatCannotRaiseTheEventIsRefused)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // `refusal`: what the program stops with; null where the trigger stands.
    struct Row { const char *name; Trigger trigger; const char *refusal; };
    const char *const cannot = "cannot raise it";
    const Row rows[] = {
        {"choose on a text box", {On::Choose, {"Text1"}, {"noop"}}, cannot},
        {"press on a label", {On::Press, {"Label1"}, {"noop"}}, cannot},
        {"change of a list that only offers items", {On::Change, {"Combo2"}, {"noop"}}, cannot},
        {"click into a button", {On::Click, {"Command1"}, {"noop"}}, cannot},
        {"unknown control", {On::Press, {"Comand1"}, {"noop"}}, "no control named Comand1"},
        {"change of a text box", {On::Change, {"Text1"}, {"noop"}}, nullptr},
        {"change of an editable list", {On::Change, {"Combo1"}, {"noop"}}, nullptr},
        {"click into a label", {On::Click, {"Label1"}, {"noop"}}, nullptr},
        {"choose from a list", {On::Choose, {"Combo2"}, {"noop"}}, nullptr},
        {"press of a check box", {On::Press, {"Check1"}, {"noop"}}, nullptr},
    };
    for (const Row &row : rows) {
        FormSpec spec;
        spec.caption = QStringLiteral("触发测试");
        spec.design = [](Form &form) {
            Panel &top = form.top();
            top.box({.name = "Text1", .label = QStringLiteral("A：")});
            top.label("Label1", QStringLiteral("说明"));
            top.list({.name = "Combo1", .label = QStringLiteral("甲：")});
            top.list({.name = "Combo2", .label = QStringLiteral("乙："), .editable = false});
            top.check("Check1", QStringLiteral("丙"));
            top.button("Command1", QStringLiteral("计算"));
        };
        spec.steps["noop"] = [](Form &) {};
        spec.triggers = {row.trigger};
        const auto open = [&spec] {
            FormWindow window(spec);
            window.show();
            window.close();
        };
        if (row.refusal)
            EXPECT_DEATH(open(), row.refusal) << row.name;
        else
            open();
    }
}

// A step that closes its window ends the trigger: the steps after it would
// run on a form that is gone. Opened again, the window runs the whole
// trigger up to the close once more.
TEST(FormTriggers, AStepThatClosesTheWindowEndsTheTrigger)
{
    auto ran = std::make_shared<QStringList>();
    FormSpec spec;
    spec.caption = QStringLiteral("关闭测试");
    spec.design = [](Form &form) {
        form.top().box({.name = "Text1", .label = QStringLiteral("A：")});
        form.top().button("Command1", QStringLiteral("退出"));
    };
    spec.steps["write"] = [ran](Form &form) {
        *ran << "write";
        form.write("Text1", "1");
    };
    spec.steps["close"] = [ran](Form &form) {
        *ran << "close";
        CloseOwnWindow(form.window());
    };
    spec.steps["after"] = [ran](Form &form) {
        *ran << "after";
        form.write("Text1", "2");
    };
    spec.triggers = {{On::Press, {"Command1"}, {"write", "close", "after"}}};
    FormWindow window(spec);
    for (int opening = 1; opening <= 2; ++opening) {
        window.show();
        window.form()->get<QPushButton>("Command1")->click();
        EXPECT_EQ(window.form(), nullptr) << "closed";
        EXPECT_EQ(ran->join(' '), QStringLiteral("write close")) << "opening " << opening;
        ran->clear();
    }
}

// The window-level values belong to the instance: zero when it is created,
// kept across a close and a reopening, reached by the steps and by tests
// through their type; a second instance has values of its own.
TEST(FormValues, BelongToTheInstance)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Presses
    {
        int count = 0;
    };
    FormSpec spec;
    spec.caption = QStringLiteral("数值测试");
    spec.design = [](Form &form) {
        form.top().button("Command1", QStringLiteral("计算"));
        form.top().result({.name = "Text1", .label = QStringLiteral("次数：")});
    };
    spec.values = WindowValues::maker<Presses>();
    spec.steps["press"] = [](Form &form) {
        form.write("Text1", SingleText(float(++form.values<Presses>().count)));
    };
    spec.triggers = {{On::Press, {"Command1"}, {"press"}}};

    FormWindow first(spec);
    FormWindow second(spec);
    EXPECT_EQ(first.values<Presses>().count, 0);
    first.show();
    first.form()->get<QPushButton>("Command1")->click();
    first.form()->get<QPushButton>("Command1")->click();
    EXPECT_EQ(first.form()->text("Text1"), "2");
    first.close();
    first.show();
    EXPECT_EQ(first.form()->text("Text1"), QString()) << "the design is rebuilt";
    first.form()->get<QPushButton>("Command1")->click();
    EXPECT_EQ(first.form()->text("Text1"), "3") << "the values are kept";
    EXPECT_EQ(second.values<Presses>().count, 0) << "another instance has values of its own";
    first.close();

    EXPECT_DEATH((void)first.values<int>(), "asked of a window that keeps");
    FormSpec none = spec;
    none.values = {};
    FormWindow without(none);
    EXPECT_DEATH((void)without.values<Presses>(), "keeps none");
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

// A long reference text or document opens at its beginning, not scrolled
// to where its text was last written.
TEST(ReferenceTexts, OpenAtTheirBeginning)
{
    const std::pair<QString, const char *> windows[] = {{QStringLiteral("公路噪声预测帮助文档3"), "RichTextBox1"},
                                                        {QStringLiteral("tlxs"), "OLE1"}};
    for (const auto &[name, box_] : windows) {
        WindowDriver w(name);
        auto *box = w.find<QTextEdit>(box_);
        ASSERT_NE(box, nullptr) << name.toStdString();
        EXPECT_EQ(box->textCursor().position(), 0) << name.toStdString();
    }
    // A note shown in a label, without a box, opens again after a close.
    WindowDriver note(QStringLiteral("note"));
    note.reopen();
    EXPECT_TRUE(note.window() && note.window()->isVisible());
}

// A kept design (no steps, costly to lay out) is built once: a close hides
// it, and the next opening shows the same widgets, with their form, scrolled
// back to their beginning. A kept design with steps is refused: it would
// show what they wrote at the next opening.
TEST(KeptDesign, OpensAgainAsBuiltAndAtItsBeginning)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QString name = QStringLiteral("保留设计测试窗口");
    if (!ToolRegistry::global().contains(name)) {
        registerFormWindow(ToolRegistry::global(), name, "common", ToolKind::RichTextReference, [] {
            FormSpec spec;
            spec.caption = QStringLiteral("保留");
            spec.design = [](Form &form) {
                // Taller than any screen: the window scrolls.
                for (int i = 0; i < 200; ++i)
                    form.top().label(QStringLiteral("Label%1").arg(i), QStringLiteral("第%1行").arg(i));
            };
            spec.keepBuilt = true;
            return spec;
        });
    }
    WindowDriver w(name);
    QWidget *built = w.window();
    auto *area = w.find<QAbstractScrollArea>(QStringLiteral("scrollArea"));
    ASSERT_NE(area, nullptr) << "the design is meant to scroll";
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    ASSERT_GT(area->verticalScrollBar()->value(), 0);

    w.reopen();
    EXPECT_EQ(w.window(), built) << "shown again, not built anew";
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);
    auto *window = dynamic_cast<FormWindow *>(w.instance());
    ASSERT_TRUE(window && window->form());
    EXPECT_EQ(window->form()->find(QStringLiteral("Label199")), w.find<QLabel>(QStringLiteral("Label199")));

    FormSpec withSteps;
    withSteps.caption = QStringLiteral("有步骤");
    withSteps.steps["noop"] = [](Form &) {};
    withSteps.keepBuilt = true;
    EXPECT_DEATH(FormWindow{withSteps}, "a kept design has steps or values");
    ToolRegistry::global().resetInstances();
}
