#include "shell_test.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"
#include "shell/window_state.h"

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
        m_window->installTrayIcon();
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
    // The popup's items in order, each caption marked + when enabled.
    QString popup() const
    {
        QStringList out;
        for (const QAction *a : m_window->trayMenu()->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? '+' : ' '));
        return out.join(QLatin1Char('|'));
    }
    void leftClickOnIcon()
    {
        Q_EMIT m_window->trayIcon()->systemIcon()->activated(QSystemTrayIcon::Trigger);
    }

    std::unique_ptr<MainWindow> m_window;
    TrayProbe m_previous;
};

} // namespace

TEST_F(TrayTest, PopupFollowsTheWindowState)
{
    useTray(true);
    const std::pair<void (QWidget::*)(), const char *> rows[] = {
        {&QWidget::showNormal, "恢复&R |移动&M+|尺寸&S+|最小化&n+|最大化&x |-|退出&Q+"},
        {&QWidget::showMaximized, "恢复&R+|移动&M |尺寸&S |最小化&n+|最大化&x |-|退出&Q+"},
        {&QWidget::showMinimized, "恢复&R+|移动&M |尺寸&S |最小化&n |最大化&x |-|退出&Q+"},
    };
    for (const auto &[show, expected] : rows) {
        (m_window.get()->*show)();  // minimised from maximised: Qt keeps both flags
        EXPECT_EQ(popup(), QString::fromUtf8(expected));
    }
    m_window->showMaximized();
    item("mnuTrayRestore")->trigger();
    EXPECT_FALSE(m_window->isMaximized());
    EXPECT_EQ(m_window->lastState(), StateNormal);
}

// 最小化&n keeps LastState; the tick hides a minimised window only while
// the icon is shown (without a notification area it stays in the
// taskbar); the icon's left click or 恢复&R brings it back as it was.
TEST_F(TrayTest, MinimiseHideAndComeBack)
{
    struct Row { const char *name; bool tray, maximised, byIcon; };
    for (const Row &row : {Row{"maximised, back by the icon", true, true, true},
                           Row{"normal, back by 恢复&R", true, false, false},
                           Row{"no notification area", false, false, false}}) {
        SCOPED_TRACE(row.name);
        useTray(row.tray);
        row.maximised ? m_window->showMaximized() : m_window->showNormal();
        const qint16 before = row.maximised ? StateMaximised : StateNormal;
        m_window->timerTick();  // not minimised: left alone
        EXPECT_TRUE(m_window->isVisible());
        item("mnuTrayMinimize")->trigger();
        EXPECT_TRUE(m_window->isMinimized());
        EXPECT_EQ(m_window->lastState(), before);
        m_window->timerTick();
        EXPECT_EQ(m_window->isVisible(), !row.tray);
        row.byIcon ? leftClickOnIcon() : item("mnuTrayRestore")->trigger();
        EXPECT_TRUE(m_window->isVisible() && !m_window->isMinimized());
        EXPECT_EQ(m_window->isMaximized(), row.maximised);
        EXPECT_EQ(m_window->lastState(), before);
        if (row.byIcon) {  // a left click on a window not minimised changes nothing
            leftClickOnIcon();
            EXPECT_TRUE(m_window->isMaximized());
            EXPECT_EQ(m_window->trayIcon()->systemIcon()->toolTip(), QStringLiteral("Corvalen，点击右键弹出菜单"));
        }
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
        ToolWindow *about = openToolWindow(QStringLiteral("frmAbout"));
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
