// The keyboard in the sheet windows, through the real window and key
// events: Tab between cells of the active grid, Ctrl+Tab out of it, Escape
// dropping an edit, the picture passed by, and the names a screen reader
// gives every control it can reach.
#include "common/forms/tool_registry.h"
#include "sheet_window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QLabel>

using namespace corvalen;

namespace {

const QString kConcentrate = QStringLiteral("铜精矿污染物");

class SheetKeyboard : public SheetWindow
{
protected:
    void openActive(const QString &name, bool activate)
    {
        open(name);
        ASSERT_TRUE(QTest::qWaitForWindowActive(driver().window()));
        if (activate)
            driver().press(QStringLiteral("Command5"));
        else
            driver().find(QStringLiteral("Command5"))->setFocus(Qt::OtherFocusReason);
    }
    // A key pressed where the keyboard is, as a user presses it.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_TRUE(focus) << "no control has the keyboard";
        QTest::keyClick(focus, k, modifiers);
        QCoreApplication::processEvents();
    }
    // The control that has the keyboard: a cell editor counts as the grid.
    QString focusName()
    {
        QWidget *focus = QApplication::focusWidget();
        if (focus && view()->isAncestorOf(focus))
            return QStringLiteral("OLE1");
        return focus ? focus->objectName() : QString();
    }
    QString current() { return cellName(view()->currentIndex().row(), view()->currentIndex().column()); }
    // Whether a cell editor is open anywhere in the grid.
    bool editing()
    {
        for (int r = 0; r < view()->model()->rowCount(); ++r)
            for (int c = 0; c < view()->model()->columnCount(); ++c)
                if (view()->indexWidget(view()->model()->index(r, c)))
                    return true;
        return false;
    }
};

// Tab and Shift+Tab walk the window's controls in reading order; in the
// active grid they move between cells and Ctrl+Tab, Ctrl+Shift+Tab leave.
TEST_F(SheetKeyboard, TabWalksTheControlsAndTheCellsOfTheActiveGrid)
{
    struct Step { const char *name; Qt::Key key; Qt::KeyboardModifiers modifiers; const char *focus, *cell; };
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const struct { const char *name; bool active; std::vector<Step> steps; } cases[] = {
        {"the picture is passed by", false, {
            {"Tab", Qt::Key_Tab, none, "CommandClose", nullptr},
            {"Tab wraps", Qt::Key_Tab, none, "Command5", nullptr},
            {"Shift+Tab", Qt::Key_Backtab, shift, "CommandClose", nullptr},
        }},
        {"active, forward", true, {
            {"Tab in the grid", Qt::Key_Tab, none, "OLE1", "C1"},
            {"Tab again", Qt::Key_Tab, none, "OLE1", "D1"},
            {"Shift+Tab in the grid", Qt::Key_Backtab, shift, "OLE1", "C1"},
            {"Ctrl+Tab leaves", Qt::Key_Tab, ctrl, "Command5", "C1"},
            {"to the close button", Qt::Key_Tab, none, "CommandClose", nullptr},
            {"to the edit line", Qt::Key_Tab, none, "CellContent", nullptr},
            {"back into the grid", Qt::Key_Tab, none, "OLE1", "C1"},
        }},
        {"active, backward", true, {
            {"Ctrl+Shift+Tab leaves", Qt::Key_Backtab, ctrl | shift, "CellContent", "A1"},
            {"Shift+Tab", Qt::Key_Backtab, shift, "CommandClose", nullptr},
            {"Shift+Tab again", Qt::Key_Backtab, shift, "Command5", nullptr},
            {"Shift+Tab into the grid", Qt::Key_Backtab, shift, "OLE1", "A1"},
        }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        openActive(kConcentrate, c.active);
        EXPECT_EQ(focusName(), QString::fromLatin1(c.active ? "OLE1" : "Command5"));
        for (const Step &s : c.steps) {
            SCOPED_TRACE(s.name);
            key(s.key, s.modifiers);
            EXPECT_EQ(focusName(), QString::fromLatin1(s.focus));
            if (s.cell) {
                EXPECT_EQ(current(), QString::fromLatin1(s.cell));
            }
        }
        driver().close();
    }
}

// A click into the picture lets its cells be selected and copied, but Tab
// takes the keyboard on to the buttons.
TEST_F(SheetKeyboard, APictureClickedIntoGivesTabBack)
{
    openActive(kConcentrate, false);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->visualRect(index("C3")).center());
    EXPECT_EQ(focusName(), QStringLiteral("OLE1"));
    key(Qt::Key_Tab);
    EXPECT_EQ(focusName(), QStringLiteral("Command5"));
}

// An open cell edit: Tab and Shift+Tab commit it and move to the next or
// previous cell without opening it; Ctrl+Tab commits it and leaves the grid;
// Escape drops it, and the edit line shows the cell again.
TEST_F(SheetKeyboard, KeysOutOfAnOpenCellEdit)
{
    const struct { const char *name; Qt::Key key; Qt::KeyboardModifiers modifiers; const char *c1, *e3, *focus, *cell; } cases[] = {
        {"Tab commits", Qt::Key_Tab, Qt::NoModifier, "1000", "961000", "OLE1", "D1"},
        {"Shift+Tab commits", Qt::Key_Backtab, Qt::ShiftModifier, "1000", "961000", "OLE1", "A1"},
        {"Ctrl+Tab commits and leaves", Qt::Key_Tab, Qt::ControlModifier, "1000", "961000", "Command5", "C1"},
        {"Ctrl+Shift+Tab commits and leaves", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "1000",
         "961000", "CellContent", "C1"},
        {"Escape drops it", Qt::Key_Escape, Qt::NoModifier, "1500", "1441500", "OLE1", "C1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        openActive(kConcentrate, true);
        view()->setCurrentIndex(index("C1"));
        // The first key opens the cell's editor, which takes the keyboard.
        for (const char digit : {'1', '0', '0', '0'})
            QTest::keyClick(QApplication::focusWidget(), digit);
        ASSERT_TRUE(editing());
        EXPECT_EQ(driver().text(QStringLiteral("CellContent")), QStringLiteral("1000"));
        key(c.key, c.modifiers);
        EXPECT_FALSE(editing()) << "a cell editor is still open";
        EXPECT_EQ(cell("C1"), QString::fromLatin1(c.c1));
        EXPECT_EQ(cell("E3"), QString::fromLatin1(c.e3));
        EXPECT_EQ(focusName(), QString::fromLatin1(c.focus));
        EXPECT_EQ(current(), QString::fromLatin1(c.cell));
        EXPECT_EQ(driver().text(QStringLiteral("CellName")), QString::fromLatin1(c.cell));
        EXPECT_EQ(driver().text(QStringLiteral("CellContent")), sheetWindow()->sheet()->input(
                      view()->currentIndex().row(), view()->currentIndex().column()));
        driver().close();
    }
}

TEST_F(SheetKeyboard, EscapeInTheEditLineDropsWhatWasTyped)
{
    openActive(kConcentrate, true);
    view()->setCurrentIndex(index("C1"));
    driver().type(QStringLiteral("CellContent"), QStringLiteral("77"));
    key(Qt::Key_Escape);
    EXPECT_EQ(driver().text(QStringLiteral("CellContent")), QStringLiteral("1500"));
    key(Qt::Key_Tab);
    EXPECT_EQ(cell("C1"), QStringLiteral("1500"));
    EXPECT_EQ(cell("E3"), QStringLiteral("1441500"));
}

// Every control the keyboard reaches, in every sheet window and in both
// states, is named by a text the user reads on screen: the grid by the
// sheet's title (the worksheet where there is none), the edit line by the
// cell name beside it, the buttons by their captions. The cells read as
// they are shown.
TEST_F(SheetKeyboard, EveryReachableControlIsNamedByWhatTheUserReads)
{
    auto accessibleName = [](QWidget *w) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        return face ? face->text(QAccessible::Name) : QString();
    };
    int sheets = 0;
    for (const QString &name : ToolRegistry::global().names()) {
        if (ToolRegistry::global().info(name)->kind != ToolKind::EmbeddedSpreadsheet)
            continue;
        ++sheets;
        SCOPED_TRACE(name.toStdString());
        for (bool active : {false, true}) {
            openActive(name, active);
            const SheetFile *file = sheetWindow()->file();
            EXPECT_EQ(accessibleName(view()), file->title.isEmpty() ? file->worksheet : file->title);
            if (!file->title.isEmpty()) {
                EXPECT_EQ(driver().text(QStringLiteral("Label1")), file->title);
            }
            // Walk the Tab chain once round and name every stop.
            QStringList stops;
            QWidget *start = QApplication::focusWidget();
            QWidget *w = start;
            do {
                ASSERT_TRUE(w);
                const QString spoken = accessibleName(w);
                if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                    EXPECT_EQ(spoken, button->text());
                } else if (w->objectName() == QStringLiteral("CellContent")) {
                    EXPECT_EQ(spoken, driver().text(QStringLiteral("CellName")));
                }
                EXPECT_FALSE(spoken.isEmpty()) << w->objectName().toStdString();
                stops << w->objectName();
                key(Qt::Key_Tab, w == view() ? Qt::ControlModifier : Qt::NoModifier);
                w = QApplication::focusWidget();
            } while (w != start && stops.size() < 10);
            const QStringList expected = active ? QStringList{"OLE1", "Command5", "CommandClose", "CellContent"}
                                                : QStringList{"Command5", "CommandClose"};
            EXPECT_EQ(stops, expected);

            QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(view());
            ASSERT_TRUE(grid && grid->tableInterface());
            const Sheet &sheet = *sheetWindow()->sheet();
            for (int r = 0; r < sheet.rowCount(); ++r)
                for (int c = 0; c < sheet.columnCount(); ++c)
                    if (!sheet.isCovered(r, c)) {
                        QAccessibleInterface *item = grid->tableInterface()->cellAt(r, c);
                        ASSERT_TRUE(item) << r << "," << c;
                        EXPECT_EQ(item->text(QAccessible::Name), sheet.displayText(r, c));
                    }
            driver().close();
        }
    }
    EXPECT_EQ(sheets, 22);
}

} // namespace
