#include "common/tool_registry.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"
#include "shell/window_state.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

// A main window whose notification area is there or not, as the test says.
class TrayTest : public ::testing::Test
{
protected:
    void useTray(bool available)
    {
        m_previous = setTrayProbe([available] { return available; });
        m_window = std::make_unique<MainWindow>();
        m_window->show();
    }
    void TearDown() override
    {
        m_window.reset();
        setTrayProbe(std::move(m_previous));
    }
    QAction *item(const char *name) const
    {
        return m_window->trayMenu()->findChild<QAction *>(QString::fromLatin1(name));
    }
    QString enabledItems() const
    {
        QString out;
        for (const char *name : {"mnuTrayRestore", "mnuTrayMove", "mnuTraySize",
                                 "mnuTrayMinimize", "mnuTrayMaximize", "mnuTrayClose"})
            out += item(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    }
    void leftClickOnIcon()
    {
        Q_EMIT m_window->trayIcon()->systemIcon()->activated(QSystemTrayIcon::Trigger);
    }

    std::unique_ptr<MainWindow> m_window;
    TrayProbe m_previous;
};

} // namespace

TEST_F(TrayTest, PopupHoldsItsItemsAndFollowsTheWindowState)
{
    useTray(true);
    QStringList captions;
    for (QAction *action : m_window->trayMenu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions.join(QLatin1Char('|')),
              QStringLiteral("恢复&R|移动&M|尺寸&S|最小化&n|最大化&x|-|退出&Q"));

    // restore, move, size, minimise, maximise, close
    EXPECT_EQ(enabledItems(), QStringLiteral("011101"));
    m_window->showMaximized();
    EXPECT_EQ(enabledItems(), QStringLiteral("100101"));
    m_window->showMinimized();  // Qt keeps the maximised flag as well
    EXPECT_EQ(enabledItems(), QStringLiteral("100001"));
    m_window->showMaximized();
    item("mnuTrayRestore")->trigger();
    EXPECT_FALSE(m_window->isMaximized());
    EXPECT_EQ(m_window->lastState(), StateNormal);
}

TEST_F(TrayTest, LastStateSurvivesMinimiseAndComesBackOnLeftClick)
{
    useTray(true);
    EXPECT_EQ(m_window->trayIcon()->systemIcon()->toolTip(), QStringLiteral("Corvalen，点击右键弹出菜单"));

    struct Row { const char *name; bool maximised; qint16 lastState; };
    for (const Row &row : {Row{"from maximised", true, StateMaximised},
                           Row{"from normal", false, StateNormal}}) {
        SCOPED_TRACE(row.name);
        if (row.maximised)
            m_window->showMaximized();
        else
            m_window->showNormal();
        m_window->showMinimized();
        EXPECT_EQ(m_window->lastState(), row.lastState);
        m_window->timerTick();
        EXPECT_FALSE(m_window->isVisible());
        leftClickOnIcon();
        EXPECT_TRUE(m_window->isVisible());
        EXPECT_FALSE(m_window->isMinimized());
        EXPECT_EQ(m_window->isMaximized(), row.maximised);
        EXPECT_EQ(m_window->lastState(), row.lastState);
    }

    // A left click on a window that is not minimised changes nothing.
    m_window->showMaximized();
    leftClickOnIcon();
    EXPECT_TRUE(m_window->isMaximized());
}

TEST_F(TrayTest, MinimisedWindowIsHiddenOnlyWhileTheIconIsShown)
{
    for (const bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "with a notification area" : "without one");
        useTray(tray);
        m_window->timerTick();  // not minimised: left alone
        EXPECT_TRUE(m_window->isVisible());
        item("mnuTrayMinimize")->trigger();
        EXPECT_TRUE(m_window->isMinimized());
        m_window->timerTick();
        EXPECT_EQ(m_window->isVisible(), !tray);
        EXPECT_TRUE(m_window->isMinimized());
        // 恢复&R brings it back either way.
        item("mnuTrayRestore")->trigger();
        EXPECT_TRUE(m_window->isVisible());
        EXPECT_FALSE(m_window->isMinimized());
        TearDown();
    }
}

// While the main window is hidden in the notification area it is still
// open: closing the last tool window must not end the program, and 退出&Q
// on the hidden window, with nothing else open, must. 退出&Q removes the
// icon and leaves open tool windows open.
TEST_F(TrayTest, HiddenMainWindowCountsAsOpen)
{
    struct Row { const char *name; bool closeTool, closeMain, stillRunning; };
    for (const Row &row : {Row{"last tool window closed", true, false, true},
                           Row{"hidden main window closed", true, true, false},
                           Row{"main window closed, tool window open", false, true, true}}) {
        SCOPED_TRACE(row.name);
        useTray(true);
        QApplication::setQuitOnLastWindowClosed(true);
        ShowToolWindow(QStringLiteral("frmAbout"));
        ToolWindow *about = ToolRegistry::global().existingInstance(QStringLiteral("frmAbout"));
        m_window->showMinimized();
        m_window->timerTick();
        ASSERT_FALSE(m_window->isVisible());

        bool stillRunning = false;
        bool aboutOpen = false;
        QObject scope;  // cancels what has not run when the row ends
        QTimer::singleShot(0, &scope, [&] {
            if (row.closeTool)
                about->close();
            if (row.closeMain)
                item("mnuTrayClose")->trigger();
        });
        QTimer::singleShot(300, &scope, [&] {  // quitting closes every window
            stillRunning = true;
            aboutOpen = about->isOpen();
            QCoreApplication::quit();
        });
        QApplication::exec();
        EXPECT_EQ(stillRunning, row.stillRunning);
        EXPECT_EQ(aboutOpen, !row.closeTool);
        EXPECT_EQ(m_window->trayIcon()->isShown(), !row.closeMain);
        TearDown();
        QApplication::setQuitOnLastWindowClosed(false);
        about->close();
        QCoreApplication::processEvents();
    }
}
