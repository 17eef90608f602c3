// The long-report box: lines as a text box breaks them, copying and reading
// aloud the whole text as a text box gives it, selecting with the mouse, the
// caret and its keys, the context menu, and Tab moving the focus on.
#include "common/forms/line_report_box.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using corvalen::LineReportBox;

namespace {

const QString kProfile = QStringLiteral("S-P模式计算结果：\r\rx(m)   D(mg/L)\r100    1.7803\r200    2.0112\r");

// A box in a shown window, with a line edit after it for the focus to go to.
struct Shown
{
    Shown()
    {
        auto *layout = new QVBoxLayout(&window);
        box = new LineReportBox(&window);
        box->setAccessibleName(QStringLiteral("计算结果"));
        next = new QLineEdit(&window);
        layout->addWidget(box);
        layout->addWidget(next);
        window.resize(300, 200);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    LineReportBox *box;
    QLineEdit *next;
};

TEST(LineReportBox, BreaksLinesAsATextBoxAndKeepsTheReportAsGiven)
{
    const struct {
        const char *name;
        QString report, shown;
        int lines;
    } rows[] = {
        {"empty", QString(), QString(), 1},
        {"LF", QStringLiteral("a\nb"), QStringLiteral("a\nb"), 2},
        {"CR, ending in one", QStringLiteral("a\rb\r"), QStringLiteral("a\nb\n"), 3},
        {"CR LF is one break", QStringLiteral("a\r\nb"), QStringLiteral("a\nb"), 2},
        {"empty lines kept", QStringLiteral("\r\ra"), QStringLiteral("\n\na"), 3},
    };
    LineReportBox box;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        box.showReport(row.report);
        EXPECT_EQ(box.report(), row.report);
        EXPECT_EQ(box.shownText(), row.shown);
        EXPECT_EQ(box.lineCount(), row.lines);
    }
}

TEST(LineReportBox, CtrlAThenCtrlCCopiesTheWholeTextJoinedByLineFeeds)
{
    Shown s;
    s.box->showReport(kProfile);
    s.box->setFocus();
    QTest::keyClick(s.box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(s.box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString(kProfile).replace(u'\r', u'\n'));

    // A new report leaves nothing of the old one selected.
    s.box->showReport(QStringLiteral("新\r报告"));
    EXPECT_EQ(s.box->selectedText(), QString());
}

TEST(LineReportBox, MouseDragSelectsFromCharacterToCharacter)
{
    Shown s;
    s.box->showReport(kProfile);
    const int from = s.box->lineStart(3) + 3;  // "100|    1.7803"
    const int to = s.box->lineStart(4) + 3;    // "200|    2.0112"
    auto leftEdge = [&](int position) {
        const QRect r = s.box->characterRect(position);
        return QPoint(r.left() + 1, r.center().y());
    };
    QTest::mousePress(s.box->viewport(), Qt::LeftButton, {}, leftEdge(from));
    QTest::mouseMove(s.box->viewport(), leftEdge(to));
    QTest::mouseRelease(s.box->viewport(), Qt::LeftButton, {}, leftEdge(to));
    EXPECT_EQ(s.box->selectedText(), QStringLiteral("    1.7803\n200"));
}

TEST(LineReportBox, ContextMenuCopiesAndSelectsAll)
{
    Shown s;
    s.box->showReport(QStringLiteral("a\rb"));
    std::unique_ptr<QMenu> menu(s.box->createContextMenu());
    QAction *copy = menu->findChild<QAction *>(QStringLiteral("edit-copy"));
    QAction *all = menu->findChild<QAction *>(QStringLiteral("select-all"));
    ASSERT_TRUE(copy && all);
    EXPECT_FALSE(copy->isEnabled());  // nothing selected yet
    EXPECT_TRUE(copy->text().startsWith(QStringLiteral("复制")));
    all->trigger();
    menu.reset(s.box->createContextMenu());
    menu->findChild<QAction *>(QStringLiteral("edit-copy"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a\nb"));
}

TEST(LineReportBox, TabMovesTheFocusOnAndTypesNothing)
{
    Shown s;
    s.box->showReport(QStringLiteral("a\rb"));
    s.box->setFocus();
    ASSERT_TRUE(s.box->hasFocus());
    QTest::keyClick(s.box, Qt::Key_Tab);
    EXPECT_TRUE(s.next->hasFocus());
    EXPECT_EQ(s.box->report(), QStringLiteral("a\rb"));
}

TEST(LineReportBox, ScreenReadersReadTheWholeTextAndItsLines)
{
    Shown s;
    s.box->showReport(kProfile);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(s.box);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("计算结果"));
    EXPECT_TRUE(accessible->state().readOnly);
    QAccessibleTextInterface *text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    const QString shown = QString(kProfile).replace(u'\r', u'\n');
    EXPECT_EQ(text->characterCount(), shown.size());
    EXPECT_EQ(text->text(0, text->characterCount()), shown);

    const struct {
        const char *name;
        QAccessible::TextBoundaryType type;
        int offset;
        QString at;
    } rows[] = {
        {"line", QAccessible::LineBoundary, s.box->lineStart(3) + 5, QStringLiteral("100    1.7803")},
        {"word", QAccessible::WordBoundary, s.box->lineStart(3) + 1, QStringLiteral("100")},
        {"character", QAccessible::CharBoundary, s.box->lineStart(4), QStringLiteral("2")},
        {"everything", QAccessible::NoBoundary, 7, shown},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        int start = 0, end = 0;
        EXPECT_EQ(text->textAtOffset(row.offset, row.type, &start, &end), row.at);
        EXPECT_EQ(text->text(start, end), row.at);
    }
    int start = 0, end = 0;
    EXPECT_EQ(text->textAfterOffset(s.box->lineStart(3), QAccessible::LineBoundary, &start, &end),
              QStringLiteral("200    2.0112"));
    EXPECT_EQ(text->textBeforeOffset(s.box->lineStart(4), QAccessible::LineBoundary, &start, &end),
              QStringLiteral("100    1.7803"));

    // A selection made through the interface is the box's, and back.
    text->setSelection(0, s.box->lineStart(3), s.box->lineStart(3) + 3);
    EXPECT_EQ(s.box->selectedText(), QStringLiteral("100"));
    s.box->selectAll();
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, int(shown.size())));
}

struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = {};
};

void press(LineReportBox *box, std::initializer_list<Key> keys)
{
    for (const Key &key : keys)
        QTest::keyClick(box, key.key, key.modifiers);
}

bool caretInView(const LineReportBox *box)
{
    return box->viewport()->rect().contains(box->characterRect(box->cursorPosition()));
}

TEST(LineReportBox, ArrowsHomeAndEndMoveADrawnCaretThatKeepsItsColumn)
{
    Shown s;
    // "ab" 0-2, "" 3, "abcdef" 4-10, "abc" 11-14.
    s.box->showReport(QStringLiteral("ab\r\rabcdef\rabc"));
    s.box->setFocus();
    const struct {
        const char *name;
        Key key;
        int caret;
    } rows[] = {
        {"right", {Qt::Key_Right}, 1},
        {"end of the line", {Qt::Key_End}, 2},
        {"right over the line's end", {Qt::Key_Right}, 3},
        {"down from an empty line", {Qt::Key_Down}, 4},
        {"end", {Qt::Key_End}, 10},
        {"left", {Qt::Key_Left}, 9},
        {"left again", {Qt::Key_Left}, 8},
        {"up to an empty line", {Qt::Key_Up}, 3},
        {"up to a shorter line: its end", {Qt::Key_Up}, 2},
        {"down", {Qt::Key_Down}, 3},
        {"down again: the column the moves began at", {Qt::Key_Down}, 8},
        {"down to a shorter last line", {Qt::Key_Down}, 14},
        {"down on the last line", {Qt::Key_Down}, 14},
        {"home", {Qt::Key_Home}, 11},
        {"start of the report", {Qt::Key_Home, Qt::ControlModifier}, 0},
        {"left at the start", {Qt::Key_Left}, 0},
        {"end of the report", {Qt::Key_End, Qt::ControlModifier}, 14},
        {"right at the end", {Qt::Key_Right}, 14},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        press(s.box, {row.key});
        EXPECT_EQ(s.box->cursorPosition(), row.caret);
        EXPECT_EQ(s.box->selectedText(), QString());
    }

    // The caret is drawn where it stands while the box has the focus, on an
    // empty line where nothing else is drawn.
    press(s.box, {{Qt::Key_Home, Qt::ControlModifier}, {Qt::Key_Down}});
    const QRect caret = s.box->characterRect(s.box->cursorPosition());
    const QColor ink = s.box->palette().color(QPalette::Text);
    auto caretDrawn = [&] {
        return s.box->viewport()->grab().toImage().pixelColor(caret.left(), caret.center().y()) == ink;
    };
    EXPECT_TRUE(caretDrawn());
    s.next->setFocus();
    EXPECT_FALSE(caretDrawn());
}

TEST(LineReportBox, ShiftWithAMoveSelectsAndCtrlCCopiesThatPart)
{
    Shown s;
    s.box->showReport(kProfile);  // lines 3 and 4: "100    1.7803", "200    2.0112"
    s.box->setFocus();
    const int line3 = s.box->lineStart(3);
    const struct {
        const char *name;
        std::initializer_list<Key> keys;
        QString selected;
        int caret;
    } rows[] = {
        {"a line", {{Qt::Key_Down}, {Qt::Key_Down}, {Qt::Key_Down}, {Qt::Key_End, Qt::ShiftModifier}},
         QStringLiteral("100    1.7803"), s.box->lineEnd(3)},
        {"and the next", {{Qt::Key_Down, Qt::ShiftModifier}}, QStringLiteral("100    1.7803\n200    2.0112"),
         s.box->lineEnd(4)},
        {"left closes at the start", {{Qt::Key_Left}}, QString(), line3},
        {"three characters", {{Qt::Key_Right, Qt::ShiftModifier}, {Qt::Key_Right, Qt::ShiftModifier},
                              {Qt::Key_Right, Qt::ShiftModifier}},
         QStringLiteral("100"), line3 + 3},
        {"right closes at the end, home selects back", {{Qt::Key_Right}, {Qt::Key_Home, Qt::ShiftModifier}},
         QStringLiteral("100"), line3},
        {"up past the anchor", {{Qt::Key_Up, Qt::ShiftModifier}}, QStringLiteral("x(m)   D(mg/L)\n100"),
         s.box->lineStart(2)},
        {"to the end of the report", {{Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier}},
         QStringLiteral("    1.7803\n200    2.0112\n"), int(s.box->shownText().size())},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        press(s.box, row.keys);
        EXPECT_EQ(s.box->selectedText(), row.selected);
        EXPECT_EQ(s.box->cursorPosition(), row.caret);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        press(s.box, {{Qt::Key_C, Qt::ControlModifier}});
        // Nothing selected copies nothing.
        EXPECT_EQ(QApplication::clipboard()->text(), row.selected.isEmpty() ? QStringLiteral("before") : row.selected);
    }
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString::number(i);
    return lines.join(u'\r');
}

TEST(LineReportBox, PageKeysMoveTheCaretAndTheViewByTheLinesInView)
{
    Shown s;
    s.box->showReport(numberedLines(1000));
    s.box->setFocus();
    press(s.box, {{Qt::Key_Right}});
    const int row = s.box->characterRect(s.box->cursorPosition()).top();
    press(s.box, {{Qt::Key_PageDown}});
    const int page = s.box->lineOf(s.box->cursorPosition());
    ASSERT_GE(page, 5);
    // The caret keeps its column and its place on screen.
    EXPECT_EQ(s.box->cursorPosition(), s.box->lineStart(page) + 1);
    EXPECT_EQ(s.box->characterRect(s.box->cursorPosition()).top(), row);
    press(s.box, {{Qt::Key_PageDown}, {Qt::Key_PageDown}});
    EXPECT_EQ(s.box->lineOf(s.box->cursorPosition()), 3 * page);
    EXPECT_TRUE(caretInView(s.box));

    press(s.box, {{Qt::Key_PageUp, Qt::ShiftModifier}});
    EXPECT_EQ(s.box->selectionStart(), s.box->lineStart(2 * page) + 1);
    EXPECT_EQ(s.box->selectionEnd(), s.box->lineStart(3 * page) + 1);
    EXPECT_TRUE(caretInView(s.box));

    for (int i = 0; i < 1000 / page + 1; ++i)
        press(s.box, {{Qt::Key_PageDown}});
    EXPECT_EQ(s.box->lineOf(s.box->cursorPosition()), 999);
    EXPECT_TRUE(caretInView(s.box));
    for (int i = 0; i < 1000 / page + 1; ++i)
        press(s.box, {{Qt::Key_PageUp}});
    EXPECT_EQ(s.box->cursorPosition(), 1);
    EXPECT_EQ(s.box->verticalScrollBar()->value(), 0);
}

TEST(LineReportBox, ScreenReadersFollowTheCaretAndTheSelection)
{
    Shown s;
    s.box->showReport(numberedLines(1000));
    s.box->setFocus();
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(s.box)->textInterface();
    ASSERT_NE(text, nullptr);

    press(s.box, {{Qt::Key_Down}, {Qt::Key_Right}});
    const int caret = s.box->lineStart(1) + 1;
    EXPECT_EQ(text->cursorPosition(), caret);
    // Selected backwards, the caret is the selection's start.
    press(s.box, {{Qt::Key_Left, Qt::ShiftModifier}});
    EXPECT_EQ(text->cursorPosition(), caret - 1);
    int start = 0, end = 0;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(caret - 1, caret));

    // A caret or a selection set through the interface is the box's, in view.
    text->setCursorPosition(s.box->lineStart(900));
    EXPECT_EQ(s.box->cursorPosition(), s.box->lineStart(900));
    EXPECT_EQ(s.box->selectedText(), QString());
    EXPECT_TRUE(caretInView(s.box));
    press(s.box, {{Qt::Key_Down}});
    EXPECT_EQ(text->cursorPosition(), s.box->lineStart(901));
    text->setSelection(0, s.box->lineEnd(5), s.box->lineStart(5));
    EXPECT_EQ(text->cursorPosition(), s.box->lineStart(5));
    EXPECT_EQ(s.box->selectedText(), QStringLiteral("6"));
    EXPECT_TRUE(caretInView(s.box));
}

TEST(LineReportBox, AHundredThousandLinesScrollToTheLast)
{
    Shown s;
    s.box->showReport(numberedLines(100000));
    EXPECT_EQ(s.box->lineCount(), 100000);
    s.box->setFocus();
    QTest::keyClick(s.box, Qt::Key_End, Qt::ControlModifier);
    const int last = s.box->lineStart(99999);
    EXPECT_TRUE(s.box->viewport()->rect().contains(s.box->characterRect(last)));
    EXPECT_EQ(s.box->positionAt(s.box->characterRect(last).topLeft() + QPoint(1, 1)), last);
}

} // namespace
