#include "shell/tray_menu.h"

#include "common/forms/tool_window.h"
#include "shell/window_state.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <QWindow>

namespace corvalen {
namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// 恢复&R: what the platform's restore command does, from minimised to the
// state before minimising, from maximised to normal.
void restoreWindow(QWidget *window, qint16 lastState)
{
    if (window->isMinimized())
        bringBack(window, lastState);
    else if (window->isMaximized())
        window->showNormal();
}

} // namespace

QMenu *buildTrayMenu(QWidget *window, std::function<qint16()> lastState)
{
    auto *menu = new QMenu(QStringLiteral("Popup"), window);
    menu->setObjectName(QStringLiteral("mnuTray"));

    QObject::connect(addItem(menu, "mnuTrayRestore", QStringLiteral("恢复&R")), &QAction::triggered,
                     window, [window, lastState] { restoreWindow(window, lastState()); });
    // Moving and sizing are the window manager's; where it offers no
    // interactive move or resize the calls return false and nothing happens.
    QObject::connect(addItem(menu, "mnuTrayMove", QStringLiteral("移动&M")), &QAction::triggered,
                     window, [window] {
                         if (QWindow *handle = window->windowHandle())
                             handle->startSystemMove();
                     });
    QObject::connect(addItem(menu, "mnuTraySize", QStringLiteral("尺寸&S")), &QAction::triggered,
                     window, [window] {
                         if (QWindow *handle = window->windowHandle())
                             handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
                     });
    QObject::connect(addItem(menu, "mnuTrayMinimize", QStringLiteral("最小化&n")),
                     &QAction::triggered, window, [window] { window->showMinimized(); });
    addItem(menu, "mnuTrayMaximize", QStringLiteral("最大化&x"));
    menu->addSeparator()->setObjectName(QStringLiteral("mnuTraySep"));
    QObject::connect(addItem(menu, "mnuTrayClose", QStringLiteral("退出&Q")), &QAction::triggered,
                     window, [window] { CloseOwnWindow(window); });
    return menu;
}

void applyTrayEnabling(QMenu *menu, qint16 state)
{
    const TrayMenuEnabling enabling = trayMenuEnabling(state);
    const std::pair<const char *, bool> items[] = {
        {"mnuTrayRestore", enabling.restore},   {"mnuTrayMove", enabling.move},
        {"mnuTraySize", enabling.size},         {"mnuTrayMinimize", enabling.minimize},
        {"mnuTrayMaximize", enabling.maximize},
    };
    for (const auto &[name, enabled] : items) {
        if (QAction *action = menu->findChild<QAction *>(QString::fromLatin1(name)))
            action->setEnabled(enabled);
    }
}

void bringBack(QWidget *window, qint16 state)
{
    window->setWindowState(state == StateMaximised ? Qt::WindowMaximized : Qt::WindowNoState);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace corvalen
