// The long-report box: lines as a text box breaks them, copying and reading
// aloud the whole text as a text box gives it, selecting with the mouse, the
// context menu, and Tab moving the focus on.
#include "common/forms/line_report_box.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
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

TEST(LineReportBox, AHundredThousandLinesScrollToTheLast)
{
    Shown s;
    QStringList lines;
    for (int i = 1; i <= 100000; ++i)
        lines << QString::number(i);
    s.box->showReport(lines.join(u'\r'));
    EXPECT_EQ(s.box->lineCount(), 100000);
    s.box->setFocus();
    QTest::keyClick(s.box, Qt::Key_End, Qt::ControlModifier);
    const int last = s.box->lineStart(99999);
    EXPECT_TRUE(s.box->viewport()->rect().contains(s.box->characterRect(last)));
    EXPECT_EQ(s.box->positionAt(s.box->characterRect(last).topLeft() + QPoint(1, 1)), last);
}

} // namespace
