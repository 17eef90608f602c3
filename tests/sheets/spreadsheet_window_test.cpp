// The sheet windows, opened by name offscreen: the picture, activation,
// edits in place, closing the sheet and the window, copying.
#include "common/views/embedded_spreadsheet_window.h"
#include "common/forms/screen_fit.h"
#include "common/views/sheet_view.h"
#include "common/forms/tool_registry.h"
#include "shell/menu_tree.h"
#include "message_recorder.h"
#include "sheet_window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>

using namespace corvalen;

namespace {

const QString kConcentrate = QStringLiteral("铜精矿污染物");

// Every sheet of the industry menu, opened from its item: caption, title
// label (none in the textile sheets), the picture with its buttons; then
// activated, a quantity of 1 makes its first amount the coefficient.
TEST_F(SheetWindow, EverySheetOfTheIndustryMenuOpensAsAPictureAndRecomputes)
{
    // The last three are cells.
    const struct { const char *window, *caption, *title, *quantity, *coefficient, *amount; } cases[] = {
        {"铜精矿污染物", "铜精矿污染物排放的计算", "铜精矿污染物排放的计算", "C1", "C3", "E3"},
        {"粗铜行业", "粗铜行业", "粗铜行业污染物排放的计算", "C1", "D3", "F3"},
        {"铜锭铜板铅管带", "铜锭铜板铅管带", "铜锭、铜板、铅管带污染物排放的计算", "C13", "C14", "E14"},
        {"粗铅行业产排污量", "粗铅行业产排污量", "粗铅行业污染物排放的计算", "C1", "C3", "E3"},
        {"粗锌行业污染物排放", "粗锌行业污染物排放", "粗锌行业污染物排放的计算", "C1", "D10", "F10"},
        {"氧化铝", "氧化铝", "氧化铝行业污染物排放的计算", "C2", "C4", "E4"},
        {"电解铝", "电解铝", "电解铝行业污染物排放的计算", "C2", "D8", "F8"},
        {"铝锭铝厚板", "铝锭铝厚板", "铝锭铝厚板行业污染物排放的计算", "C8", "C10", "E10"},
        {"铝薄板铝箔", "铝薄板铝箔", "铝薄板铝箔行业污染物排放的计算", "C2", "C4", "E4"},
        {"铝铸件铝材", "铝铸件铝材", "铝铸件铝材行业污染物排放的计算", "D8", "D12", "F12"},
        {"镍行业", "镍行业", "镍行业行业污染物排放的计算", "D2", "C13", "E13"},
        {"碱法制浆行业", "碱法制浆行业", "碱法制浆行业污染物排放的计算", "D2", "C5", "E5"},
        {"纸袋纸新闻纸书写纸", "纸袋纸、新闻纸、书写纸", "纸袋纸、新闻纸、书写纸行业污染物排放的计算", "D2", "D7", "F7"},
        {"酒精行业污染物", "酒精行业污染物", "酒精行业污染物排放的计算", "D2", "C4", "E4"},
        {"制革行业", "制革行业", "制革行业污染物排放的计算", "D2", "D9", "F9"},
        {"绒线类", "绒线类", nullptr, "E2", "C5", "E5"},
        {"毛精纺", "毛精纺", nullptr, "E2", "D4", "F4"},
        {"毛粗纺", "毛粗纺", nullptr, "E2", "C6", "E6"},
        {"丝织类", "丝织类", nullptr, "E2", "D5", "F5"},
        {"棉针织", "棉针织", nullptr, "E2", "C4", "E4"},
        {"棉机织", "棉机织", nullptr, "E2", "D6", "F6"},
        {"麻纺类", "麻纺类", nullptr, "E2", "C4", "E4"},
    };
    // The submenu holds the note, these 22 sheets and the tannery calculator.
    QStringList sheetItems;
    for (const MenuNode &menu : loadMenuTree())
        for (const MenuNode &sub : menu.children)
            if (sub.caption == QStringLiteral("相关行业产排污量计算"))
                for (const MenuNode &item : sub.children)
                    if (const ToolInfo *info = ToolRegistry::global().info(item.target);
                        info && info->kind == ToolKind::EmbeddedSpreadsheet)
                        sheetItems << item.target;
    QStringList windows;
    for (const auto &c : cases)
        windows << QString::fromUtf8(c.window);
    std::sort(sheetItems.begin(), sheetItems.end());
    std::sort(windows.begin(), windows.end());
    EXPECT_EQ(sheetItems, windows);

    for (const auto &c : cases) {
        open(QString::fromUtf8(c.window));
        SCOPED_TRACE(c.window);
        EXPECT_EQ(driver().window()->windowTitle(), QString::fromUtf8(c.caption));
        if (c.title)
            EXPECT_EQ(driver().text(QStringLiteral("Label1")), QString::fromUtf8(c.title));
        else
            EXPECT_FALSE(driver().find<QLabel>(QStringLiteral("Label1")));
        EXPECT_EQ(driver().text(QStringLiteral("Command5")), QStringLiteral("激活（复原）表格"));
        EXPECT_EQ(driver().text(QStringLiteral("CommandClose")), QStringLiteral("关闭表格"));
        EXPECT_FALSE(sheetWindow()->isActive());
        EXPECT_FALSE(editable());
        EXPECT_FALSE(view()->horizontalHeader()->isVisible());
        EXPECT_FALSE(view()->verticalHeader()->isVisible());
        EXPECT_FALSE(driver().find<QLineEdit>(QStringLiteral("CellContent"))->isVisible());
        // The whole sheet is in view: no scroll bar hides a part of it.
        EXPECT_FALSE(view()->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(view()->verticalScrollBar()->isVisible());

        driver().press(QStringLiteral("Command5"));
        typeInto(c.quantity, QStringLiteral("1"));
        EXPECT_EQ(cell(c.amount), cell(c.coefficient));
        driver().close();
    }
}

TEST_F(SheetWindow, ActivatedEveryCellTakesEditsAndTheAmountsFollow)
{
    open(kConcentrate);
    driver().press(QStringLiteral("Command5"));
    EXPECT_TRUE(sheetWindow()->isActive());
    EXPECT_TRUE(editable());
    EXPECT_TRUE(view()->horizontalHeader()->isVisible());
    EXPECT_TRUE(driver().find<QLineEdit>(QStringLiteral("CellContent"))->isVisible());

    view()->setCurrentIndex(index("C1"));
    EXPECT_EQ(driver().text(QStringLiteral("CellContent")), QStringLiteral("1500"));
    typeInto("C1", QStringLiteral("1000"));
    EXPECT_EQ(cell("E3"), QStringLiteral("961000"));
    EXPECT_EQ(cell("F3"), QStringLiteral("417600"));
    // A coefficient is a cell like any other.
    typeInto("D6", QStringLiteral("0.5"));
    EXPECT_EQ(cell("F6"), QStringLiteral("500"));
    // The edit line shows a formula cell's formula and takes edits too.
    view()->setCurrentIndex(index("E3"));
    EXPECT_EQ(driver().text(QStringLiteral("CellName")), QStringLiteral("E3"));
    EXPECT_EQ(driver().text(QStringLiteral("CellContent")), QStringLiteral("=C3*$C$1"));
    driver().type(QStringLiteral("CellContent"), QStringLiteral("=C3/0"));
    QTest::keyClick(driver().find<QLineEdit>(QStringLiteral("CellContent")), Qt::Key_Return);
    EXPECT_EQ(cell("E3"), QStringLiteral("#DIV/0!"));
    // Activating again leaves it active, with its edits.
    driver().press(QStringLiteral("Command5"));
    EXPECT_TRUE(sheetWindow()->isActive());
    EXPECT_EQ(cell("F3"), QStringLiteral("417600"));
}

TEST_F(SheetWindow, DeleteEmptiesTheSelectedCellsOnlyWhenActive)
{
    open(kConcentrate);
    view()->selectionModel()->select(QItemSelection(index("C1"), index("C1")), QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(cell("C1"), QStringLiteral("1500"));
    driver().press(QStringLiteral("Command5"));
    view()->selectionModel()->select(QItemSelection(index("C1"), index("C1")), QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(cell("C1"), QString());
    EXPECT_EQ(cell("E3"), QStringLiteral("0"));  // an empty quantity counts as 0
}

TEST_F(SheetWindow, CloseCommitsAnOpenEditKeepsItUntilTheWindowClosesAndDoesNothingWhenInactive)
{
    open(kConcentrate);
    driver().press(QStringLiteral("CommandClose"));
    EXPECT_FALSE(sheetWindow()->isActive());
    EXPECT_EQ(cell("E3"), QStringLiteral("1441500"));

    driver().press(QStringLiteral("Command5"));
    view()->setCurrentIndex(index("C1"));
    view()->edit(index("C1"));
    auto *editor = qobject_cast<QLineEdit *>(view()->indexWidget(index("C1")));
    ASSERT_TRUE(editor);
    editor->setText(QStringLiteral("1000"));
    EXPECT_EQ(driver().text(QStringLiteral("CellContent")), QStringLiteral("1000"));  // the edit line follows
    driver().press(QStringLiteral("CommandClose"));
    EXPECT_FALSE(sheetWindow()->isActive());
    EXPECT_FALSE(editable());
    EXPECT_EQ(cell("E3"), QStringLiteral("961000"));
    EXPECT_EQ(view()->model()->data(index("F3")).toString(), QStringLiteral("417600"));

    ShowToolWindow(kConcentrate);
    EXPECT_EQ(cell("E3"), QStringLiteral("961000"));  // an open window keeps its edits
    driver().reopen();
    EXPECT_EQ(cell("C1"), QStringLiteral("1500"));
    EXPECT_EQ(cell("E3"), QStringLiteral("1441500"));
    EXPECT_FALSE(sheetWindow()->isActive());
}

TEST_F(SheetWindow, AVeryLongTypedTextStaysInAWindowOfSensibleSize)
{
    open(kConcentrate);
    driver().press(QStringLiteral("Command5"));
    typeInto("B3", QString(5000, QLatin1Char('9')));
    EXPECT_EQ(cell("B3").size(), 5000);  // beyond the double range: a text
    driver().press(QStringLiteral("CommandClose"));
    EXPECT_LT(driver().window()->width(), 2000);
}

// Whether the cell's shown text fits its cell as the style draws it (a text
// that does not fit is drawn with its end replaced by an ellipsis).
bool shownWhole(const SheetView *view, const QModelIndex &index)
{
    const QFontMetrics metrics(index.data(Qt::FontRole).value<QFont>());
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int gridLine = view->showGrid() ? 1 : 0;
    return metrics.horizontalAdvance(index.data().toString()) + 2 * margin <= view->visualRect(index).width() - gridLine;
}

// The numbers and error texts of the grid that are drawn cut.
QStringList cutNumbers(const SheetView *view)
{
    QStringList cut;
    const Sheet &sheet = static_cast<const SheetItemModel *>(view->model())->sheet();
    for (int r = 0; r < sheet.rowCount(); ++r)
        for (int c = 0; c < sheet.columnCount(); ++c)
            if (!sheet.isCovered(r, c) && sheet.value(r, c).kind != SheetValue::Text
                && !shownWhole(view, view->model()->index(r, c)))
                cut << cellName(r, c) + QLatin1Char('=') + sheet.displayText(r, c);
    return cut;
}

// An amount that outgrows its column by an edit widens the column at once,
// in the active sheet and in the picture after closing; merged quantity
// cells and error texts too.
TEST_F(SheetWindow, AnEditedAmountThatOutgrowsItsColumnIsStillShownWhole)
{
    const struct { const char *name, *window, *cell, *input, *shown, *shownCell; } cases[] = {
        {"concentrate amounts", "铜精矿污染物", "C1", "50000", "20880000", "F3"},
        {"long coefficient", "铜精矿污染物", "D4", "1.23456789012345", "1.23456789012345", "D4"},
        {"tiny coefficient", "铜精矿污染物", "C5", "0.000012345678901234", "1.2345678901234E-05", "C5"},
        {"error text", "铜精矿污染物", "C1", "=1/0", "#DIV/0!", "E3"},
        {"merged quantity", "铜锭铜板铅管带", "C8", "123456789012", "123456789012", "C8"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        open(QString::fromUtf8(c.window));
        driver().press(QStringLiteral("Command5"));
        EXPECT_EQ(cutNumbers(view()), QStringList());
        typeInto(c.cell, QString::fromLatin1(c.input));
        EXPECT_EQ(cell(c.shownCell), QString::fromLatin1(c.shown));
        EXPECT_EQ(cutNumbers(view()), QStringList());
        driver().press(QStringLiteral("CommandClose"));
        EXPECT_EQ(cutNumbers(view()), QStringList());
        driver().close();
    }
}

// Texts too long for any screen: the window stays within the screen and
// can be made smaller, and the grid scrolls inside it, while editing and
// after closing the sheet.
TEST_F(SheetWindow, LongTextsNeverMakeTheWindowOutgrowTheScreen)
{
    open(kConcentrate);
    QWidget *window = driver().window();
    const QRect screen = window->screen()->availableGeometry();
    auto expectInsideScreen = [&] {
        QCoreApplication::processEvents();
        EXPECT_LE(window->width(), roomOnScreen(window).width());
        EXPECT_LE(window->height(), roomOnScreen(window).height());
        EXPECT_TRUE(screen.contains(window->frameGeometry())) << window->frameGeometry().x() << " " << window->width();
        // Not fixed: the user can make it smaller still.
        EXPECT_LT(window->minimumWidth(), window->width());
    };
    window->move(screen.topLeft() + QPoint(300, 100));
    driver().press(QStringLiteral("Command5"));
    for (const char *name : {"A3", "B3", "C3", "D3"}) {
        typeInto(name, QString(120, QLatin1Char('W')));
        expectInsideScreen();
    }
    driver().press(QStringLiteral("CommandClose"));
    expectInsideScreen();
    EXPECT_GT(view()->horizontalScrollBar()->maximum(), 0);
    // The amounts are still there to scroll to, whole.
    EXPECT_EQ(cutNumbers(view()), QStringList());
}

TEST_F(SheetWindow, ADoubleClickIntoThePictureActivates)
{
    open(kConcentrate);
    const QRect box = view()->visualRect(index("C1"));
    QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, box.center());
    QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, box.center());
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_TRUE(sheetWindow()->isActive());
}

TEST_F(SheetWindow, SelectedCellsCopyAsTabSeparatedTextInBothStates)
{
    open(kConcentrate);
    view()->selectionModel()->select(QItemSelection(index("A5"), index("F6")), QItemSelectionModel::ClearAndSelect);
    QTest::keySequence(view(), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Pb\tKg/t-铜精矿含铜\t0.09\t0.02\t135\t30\nZn\tKg/t-铜精矿含铜\t2.91\t0.57\t4365\t855"));
    driver().press(QStringLiteral("Command5"));
    // The merged prompt counts once, its covered cell stays empty.
    view()->selectionModel()->select(QItemSelection(index("A1"), index("D1")), QItemSelectionModel::ClearAndSelect);
    QTest::keySequence(view(), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("请输入产量:\t\t1500\t吨"));
}

TEST_F(SheetWindow, ASheetThatCannotBeOpenedSaysSoAtEveryPressAndStaysAPicture)
{
    EmbeddedSpreadsheetWindow window(nullptr);
    window.show();
    MessageRecorder messages;
    auto *activate = window.widget()->findChild<QAbstractButton *>(QStringLiteral("Command5"));
    activate->click();
    activate->click();
    EXPECT_EQ(messages.messages, QStringList(2, QStringLiteral("表格无法打开，请检查程序的安装！")));
    EXPECT_FALSE(window.isActive());
    window.close();
}

} // namespace
