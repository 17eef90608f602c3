#include "shell/window_warm_up.h"

#include "common/tool_registry.h"

#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace corvalen {
namespace {

// Waits for the main window's first paint, then warms one window per
// timeout of a zero timer, which fires only when the event loop has nothing
// else to do: a click of the user waits for one window at most.
class WindowWarmUp : public QObject
{
public:
    WindowWarmUp(QWidget *mainWindow, std::function<void()> done)
        : QObject(mainWindow), m_names(ToolRegistry::global().names()), m_done(std::move(done))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &WindowWarmUp::warmNext);
        mainWindow->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_timer.start();
        }
        return false;
    }

private:
    void warmNext()
    {
        if (m_next < m_names.size()) {
            if (const ToolInfo *info = ToolRegistry::global().info(m_names[m_next]))
                info->create()->warmUp();
            ++m_next;
            return;
        }
        m_timer.stop();
        if (m_done)
            m_done();
        deleteLater();
    }

    QStringList m_names;
    qsizetype m_next = 0;
    QTimer m_timer;
    std::function<void()> m_done;
};

} // namespace

void warmUpToolWindowsWhenIdle(QWidget *mainWindow, std::function<void()> done)
{
    new WindowWarmUp(mainWindow, std::move(done));
}

} // namespace corvalen
