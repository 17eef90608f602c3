#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace corvalen {

// The program's one icon in the desktop's notification area (the APIStuff
// module): it carries the main window's icon and a tooltip, shows the popup
// menu mnuTray on a right click and reports a left click to the main window.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    // InstallTrayIcon: keeps the window and the popup menu and adds the icon.
    void install(QWidget *window, QMenu *menu);
    // SetTrayTooltip: only the tooltip changes.
    void setTooltip(const QString &text);
    // RemoveTrayIcon: takes the icon away and stops listening to it. The
    // icon is added once per run and removed once.
    void remove();

    // True while the icon is installed and a notification area exists to
    // show it; where none exists the icon is no way back to the window.
    bool isShown() const;

    QSystemTrayIcon *systemIcon() const { return m_icon; }

Q_SIGNALS:
    // The left mouse button was released over the icon.
    void leftButtonReleased();

private:
    QPointer<QWidget> m_window;
    QPointer<QMenu> m_menu;
    QSystemTrayIcon *m_icon = nullptr;
};

// Tests decide whether a notification area exists; the real answer is the
// desktop's. Returns the previous probe; an empty function restores it.
using TrayProbe = std::function<bool()>;
TrayProbe setTrayProbe(TrayProbe probe);
bool notificationAreaAvailable();

} // namespace corvalen
