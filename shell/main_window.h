#pragma once

#include "shell/hidden_window_hold.h"
#include "shell/menu_tree.h"

#include <QMainWindow>
#include <QTimer>
#include <utility>

class QAction;
class QMenu;

namespace corvalen {
class TrayIcon;

// The start-up window bCorvalen: the menu tree of every toolbox, the framed
// list of handbooks and the three contact links. It computes nothing.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The window state to return to from the notification area:
    // 0 normal, 2 maximised, never 1.
    qint16 lastState() const { return m_lastState; }

    static QString caption();

    QMenu *trayMenu() const { return m_trayMenu; }  // mnuTray
    TrayIcon *trayIcon() const { return m_tray; }
    // The tick of Timer1: hides a minimised window while its icon is shown.
    void timerTick();
    // Fills the menus under the menu bar's titles. The window is built with
    // the titles alone (what its first paint shows); the program fills them
    // right after that paint, and a menu opened before fills them at once.
    void completeMenus();
    // Puts the icon into the notification area with its tooltip and popup.
    // The program does it right after the first paint, with the program's
    // icon set: neither is needed to show the window.
    void installTrayIcon();
    // Enables exactly the items whose window is registered. The program
    // registers its windows just after the main window's first paint and
    // then calls this again.
    void enableRegisteredItems();

Q_SIGNALS:
    void shown();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus(const QList<MenuNode> &tree);
    void addNode(QMenu *menu, const MenuNode &node);
    void buildHandbookFrame();
    void setUpTray();
    void resizeStep();
    void trayLeftButtonReleased();

    qint16 m_lastState = 0;
    QTimer *m_timer = nullptr;  // Timer1
    QMenu *m_trayMenu = nullptr;
    TrayIcon *m_tray = nullptr;
    HiddenWindowHold m_hold;
    QList<std::pair<QAction *, QString>> m_windowItems;  // item, window name
    QList<std::pair<QMenu *, MenuNode>> m_unfilledMenus;  // title, its node
};

} // namespace corvalen
