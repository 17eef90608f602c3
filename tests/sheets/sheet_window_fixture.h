#pragma once

// A sheet window opened by name offscreen, with its grid and cells reached
// by cell name, for the window and keyboard tests.

#include "common/views/embedded_spreadsheet_window.h"
#include "common/views/sheet_view.h"
#include "window_driver.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

class SheetWindow : public ::testing::Test
{
protected:
    void open(const QString &name) { m_driver.emplace(name); }
    WindowDriver &driver() { return *m_driver; }
    corvalen::EmbeddedSpreadsheetWindow *sheetWindow()
    {
        return dynamic_cast<corvalen::EmbeddedSpreadsheetWindow *>(driver().instance());
    }
    corvalen::SheetView *view() { return driver().find<corvalen::SheetView>(QStringLiteral("OLE1")); }
    QString cell(const char *name)
    {
        const corvalen::CellAddress a = *corvalen::parseCellName(QString::fromLatin1(name));
        return sheetWindow()->sheet()->displayText(a.row, a.column);
    }
    QModelIndex index(const char *name)
    {
        const corvalen::CellAddress a = *corvalen::parseCellName(QString::fromLatin1(name));
        return view()->model()->index(a.row, a.column);
    }
    // Types into a cell as a user does: select it, type, Return.
    void typeInto(const char *name, const QString &text)
    {
        view()->setCurrentIndex(index(name));
        // The first key opens the cell's editor, which takes the rest.
        QTest::keyClicks(view(), text.left(1));
        QWidget *editor = view()->indexWidget(index(name));
        ASSERT_TRUE(qobject_cast<QLineEdit *>(editor)) << "no cell editor opened";
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the editor commits through a queued call
    }
    bool editable() { return view()->model()->flags(index("C1")) & Qt::ItemIsEditable; }

    std::optional<WindowDriver> m_driver;
};
