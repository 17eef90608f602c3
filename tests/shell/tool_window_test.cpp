#include "common/controls.h"
#include "common/tool_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// A window with one input, one list filled by its load step, and a
// window-level counter of presses.
class CounterWindow : public ToolWindow
{
public:
    static inline int instances = 0;
    CounterWindow() { ++instances; }
    int presses = 0;  // window-level value
    int loads = 0;
    int unloads = 0;
    QLineEdit *input = nullptr;
    QComboBox *list = nullptr;

protected:
    void build(QWidget *window) override
    {
        window->setWindowTitle("计数");
        input = new QLineEdit(QStringLiteral("5"), window);  // design-time text
        input->setObjectName("Text1");
        list = makeList(window, "Combo1");
        onChanged(input, window, [this] { ++presses; });
    }
    void load() override
    {
        ++loads;
        list->addItems({"甲", "乙"});
    }
    void unload() override { ++unloads; }
};

class ToolWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ToolRegistry::global().add<CounterWindow>("测试计数窗口", "tests", ToolKind::ComputeButtonCalculator);
    }
    void TearDown() override { ToolRegistry::global().resetInstances(); }
    CounterWindow *window()
    {
        return static_cast<CounterWindow *>(ToolRegistry::global().existingInstance("测试计数窗口"));
    }
};

} // namespace

TEST_F(ToolWindowTest, SecondShowBringsTheSameWindowForward)
{
    ShowToolWindow("测试计数窗口");
    CounterWindow *w = window();
    ASSERT_TRUE(w && w->isOpen());
    QWidget *first = w->widget();
    EXPECT_EQ(first->objectName(), "测试计数窗口");
    EXPECT_EQ(w->presses, 0) << "design-time text counted as a change";
    w->input->setText("12");
    ShowToolWindow("测试计数窗口");
    EXPECT_EQ(window(), w);
    EXPECT_EQ(w->widget(), first);
    EXPECT_EQ(w->input->text(), "12");
    EXPECT_EQ(w->loads, 1);
    EXPECT_EQ(w->list->count(), 2);
}

TEST_F(ToolWindowTest, CloseAndReopenRebuildsFromDesignKeepingWindowValues)
{
    const int created = CounterWindow::instances;
    ShowToolWindow("测试计数窗口");
    CounterWindow *w = window();
    w->input->setText("1");
    w->input->setText("12");
    EXPECT_EQ(w->presses, 2);  // a change per change, also by code
    w->close();
    EXPECT_FALSE(w->isOpen());
    EXPECT_EQ(w->unloads, 1);
    ShowToolWindow("测试计数窗口");
    EXPECT_EQ(window(), w);
    EXPECT_EQ(CounterWindow::instances, created + 1);
    EXPECT_EQ(w->input->text(), "5");      // design-time text again
    EXPECT_EQ(w->list->count(), 2);        // the list holds its items once
    EXPECT_EQ(w->list->currentText(), "");  // lists start empty
    EXPECT_EQ(w->presses, 2);              // window-level value kept
    EXPECT_EQ(w->loads, 2);
}

TEST_F(ToolWindowTest, CloseOwnWindowAndCloseBoxBehaveAlike)
{
    ShowToolWindow("测试计数窗口");
    CloseOwnWindow(window()->input);
    EXPECT_FALSE(window()->isOpen());
    ShowToolWindow("测试计数窗口");
    window()->widget()->close();
    EXPECT_FALSE(window()->isOpen());
    EXPECT_EQ(window()->unloads, 2);
}

TEST_F(ToolWindowTest, UnknownNameDoesNothing)
{
    ShowToolWindow("没有这个窗口");
    EXPECT_EQ(ToolRegistry::global().existingInstance("没有这个窗口"), nullptr);
}

TEST(Controls, ListClickIsAChoiceNotATypedText)
{
    QWidget parent;
    QComboBox *list = makeList(&parent, "Combo1");
    list->addItems({"甲", "乙"});
    EXPECT_EQ(list->currentText(), "");
    int chosen = 0;
    onChosen(list, &parent, [&](int) { ++chosen; });
    list->setEditText("乙");
    EXPECT_EQ(chosen, 0);
    Q_EMIT list->activated(1);
    EXPECT_EQ(chosen, 1);
}

// A click or double-click into a text box is an event of its own, for a
// one-line box as well as a multi-line box, whose mouse events land on the
// area inside its frame.
TEST(Controls, ClicksIntoEveryKindOfTextBoxAreEvents)
{
    QWidget parent;
    parent.resize(300, 300);
    auto *line = new QLineEdit(&parent);
    auto *rich = new QTextEdit(&parent);
    auto *plain = new QPlainTextEdit(&parent);
    rich->move(0, 40);
    plain->move(0, 160);
    parent.show();
    const std::pair<QWidget *, QWidget *> boxes[] = {
        {line, line}, {rich, rich->viewport()}, {plain, plain->viewport()}};
    for (const auto &[box, clickedArea] : boxes) {
        int clicks = 0;
        int doubleClicks = 0;
        onMouseClick(box, [&] { ++clicks; });
        onDoubleClick(box, [&] { ++doubleClicks; });
        QTest::mouseClick(clickedArea, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(clickedArea, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_GE(clicks, 1) << box->metaObject()->className();
        EXPECT_EQ(doubleClicks, 1) << box->metaObject()->className();
    }
}

// What the user types into a list stays as typed: the list neither
// completes it to an item nor takes it for a choice.
TEST(Controls, TypedTextInAListStaysAsTyped)
{
    QWidget parent;
    QComboBox *list = makeList(&parent, "Combo1");
    list->addItems({"mg/m3", "ppm", "ABC"});
    int chosen = 0;
    onChosen(list, &parent, [&](int) { ++chosen; });
    parent.show();
    QApplication::setActiveWindow(&parent);
    list->setFocus();
    ASSERT_TRUE(list->lineEdit()->hasFocus());
    QTest::keyClicks(list, "m");
    EXPECT_EQ(list->currentText(), "m");
    QTest::keyClicks(list, "g/m");
    EXPECT_EQ(list->currentText(), "mg/m");
    list->setEditText(QString());
    QTest::keyClicks(list, "abc");
    EXPECT_EQ(list->currentText(), "abc");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(list->currentText(), "abc");
    // A typed text equal to an item is that item's text, yet no choice.
    list->setEditText(QString());
    QTest::keyClicks(list, "ppm");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(list->currentText(), "ppm");
    list->clearFocus();
    list->setFocus();
    EXPECT_EQ(chosen, 0);
    // Stepping to an item with the arrow keys chooses it.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(chosen, 1);
}
