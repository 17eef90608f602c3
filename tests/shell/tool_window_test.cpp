#include "shell_test.h"
#include "common/forms/controls.h"

using namespace corvalen;

namespace {

// A window with one input, one list filled by its load step (so a load
// too many shows as items twice), and a window-level count of changes.
struct Counts
{
    int changes = 0;  // window-level value
};

class CounterWindow : public ToolWindow
{
public:
    CounterWindow() { keepValues(WindowValues::make<Counts>()); }
    int unloads = 0;
    QLineEdit *input = nullptr;
    QComboBox *list = nullptr;

protected:
    void build(QWidget *window) override
    {
        input = new QLineEdit(QStringLiteral("5"), window);  // design-time text
        list = makeList(window, "Combo1");
        onChanged(input, window, [this] { ++values<Counts>().changes; });
    }
    void load() override { list->addItems({"甲", "乙"}); }
    void unload() override { ++unloads; }
};

const QString counterName = QStringLiteral("测试计数窗口");

} // namespace

TEST(ToolWindow, ShowAgainBringsForwardAndReopenRebuildsFromDesign)
{
    ToolRegistry::global().add<CounterWindow>(counterName, "tests", ToolKind::ComputeButtonCalculator);
    auto *w = static_cast<CounterWindow *>(openToolWindow(counterName));
    ASSERT_TRUE(w && w->isOpen());
    QWidget *first = w->widget();
    EXPECT_EQ(w->values<Counts>().changes, 0) << "design-time text counted as a change";
    w->input->setText("1");
    w->input->setText("12");
    EXPECT_EQ(w->values<Counts>().changes, 2);  // one per change, also by code
    ShowToolWindow(counterName);
    EXPECT_EQ(w->widget(), first);
    EXPECT_EQ(w->input->text(), "12");
    EXPECT_EQ(w->list->count(), 2);

    // Closed by its own code or by the close box, then shown again.
    const std::function<void()> closers[] = {[w] { CloseOwnWindow(w->input); },
                                             [w] { w->widget()->close(); }};
    for (const auto &close : closers) {
        close();
        EXPECT_FALSE(w->isOpen());
        EXPECT_EQ(openToolWindow(counterName), w);
        EXPECT_EQ(w->input->text(), "5");
        EXPECT_EQ(w->list->count(), 2);  // the list holds its items once
        EXPECT_EQ(w->list->currentText(), "");
        EXPECT_EQ(w->values<Counts>().changes, 2);  // window-level value kept
    }
    EXPECT_EQ(w->unloads, 2);
    ToolRegistry::global().resetInstances();

    expectedUnknownWindows() = 1;
    EXPECT_EQ(openToolWindow("没有这个窗口"), nullptr);
    EXPECT_EQ(expectedUnknownWindows(), 0) << "an unknown name is warned of";
}

// A click or double-click into a text box is an event of its own, for a
// one-line box as well as a multi-line box, whose mouse events land on the
// area inside its frame.
TEST(Controls, ClicksIntoEveryKindOfTextBoxAreEvents)
{
    QWidget parent;
    auto *line = new QLineEdit(&parent);
    auto *rich = new QTextEdit(&parent);
    auto *plain = new QPlainTextEdit(&parent);
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

// A list starts empty; what the user types stays as typed (neither
// completed to an item nor taken for a choice); choosing an item is.
TEST(Controls, TypedTextInAListIsNoChoice)
{
    QWidget parent;
    QComboBox *list = makeList(&parent, "Combo1");
    list->addItems({"mg/m3", "ppm"});
    EXPECT_EQ(list->currentText(), "");
    int chosen = 0;
    onChosen(list, &parent, [&](int) { ++chosen; });
    parent.show();
    QApplication::setActiveWindow(&parent);
    list->setFocus();
    for (const char *typed : {"m", "abc", "ppm"}) {
        list->setEditText(QString());
        QTest::keyClicks(list, typed);
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(list->currentText(), typed);
        EXPECT_EQ(list->count(), 2) << typed;
    }
    list->clearFocus();  // leaving the box is no choice either
    EXPECT_EQ(chosen, 0);
    Q_EMIT list->activated(1);
    EXPECT_EQ(chosen, 1);
}
