#include "shell/tray_icon.h"

#include "shell/program_icon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <utility>

namespace corvalen {
namespace {

TrayProbe &trayProbe()
{
    static TrayProbe probe;
    return probe;
}

} // namespace

TrayProbe setTrayProbe(TrayProbe probe)
{
    return std::exchange(trayProbe(), std::move(probe));
}

bool notificationAreaAvailable()
{
    if (trayProbe())
        return trayProbe()();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

TrayIcon::TrayIcon(QObject *parent)
    : QObject(parent)
{
}

TrayIcon::~TrayIcon()
{
    remove();
}

void TrayIcon::install(QWidget *window, QMenu *menu)
{
    if (m_icon)
        return;
    m_window = window;
    m_menu = menu;
    QIcon icon = window ? window->windowIcon() : QIcon();
    if (icon.isNull())
        icon = programIcon();
    m_icon = new QSystemTrayIcon(icon, this);
    // The desktop shows the menu on a right click itself.
    m_icon->setContextMenu(menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    Q_EMIT leftButtonReleased();
            });
    // Where no notification area exists the icon stays unseen and the
    // program carries on without it.
    m_icon->show();
}

void TrayIcon::setTooltip(const QString &text)
{
    if (m_icon)
        m_icon->setToolTip(text);
}

void TrayIcon::remove()
{
    if (!m_icon)
        return;
    m_icon->hide();
    m_icon->disconnect(this);
    delete m_icon;
    m_icon = nullptr;
}

bool TrayIcon::isShown() const
{
    return m_icon && m_icon->isVisible() && notificationAreaAvailable();
}

} // namespace corvalen
