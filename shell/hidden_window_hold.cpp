#include "shell/hidden_window_hold.h"

#include <QApplication>
#include <QWidget>

namespace corvalen {

HiddenWindowHold::~HiddenWindowHold()
{
    if (m_quitOnLastClosed)
        QApplication::setQuitOnLastWindowClosed(*m_quitOnLastClosed);
}

void HiddenWindowHold::hold()
{
    if (m_quitOnLastClosed)
        return;
    m_quitOnLastClosed = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
}

void HiddenWindowHold::release(const QWidget *window, bool closing)
{
    if (!m_quitOnLastClosed)
        return;
    const bool quitOnLast = *m_quitOnLastClosed;
    m_quitOnLastClosed.reset();
    QApplication::setQuitOnLastWindowClosed(quitOnLast);
    if (!closing || !quitOnLast)
        return;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w != window && w->isVisible() && !w->parentWidget() && w->testAttribute(Qt::WA_QuitOnClose))
            return;
    }
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace corvalen
