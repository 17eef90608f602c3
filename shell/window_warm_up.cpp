#include "shell/window_warm_up.h"

#include "common/forms/tool_registry.h"

#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace corvalen {
namespace {

// Watches the window for its first paint, then runs the step from a zero
// timer, in a later turn of the event loop.
class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget *window, std::function<void()> step)
        : QObject(window), m_step(std::move(step))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, &FirstPaintWatcher::run);
        else if (event->type() == QEvent::Show)
            QTimer::singleShot(kLatestMs, this, &FirstPaintWatcher::run);
        return false;
    }

private:
    static constexpr int kLatestMs = 500;

    void run()
    {
        if (!m_step)
            return;
        parent()->removeEventFilter(this);
        std::exchange(m_step, nullptr)();
        deleteLater();
    }

    std::function<void()> m_step;
};

// One window per timeout of a zero timer. A zero timer does not wait for
// the event loop to be idle: it fires at every turn of the loop, beside the
// input and paint events that turn handles. So a click of the user waits
// for one window's build at most.
class WindowWarmUp : public QObject
{
public:
    WindowWarmUp(QObject *context, std::function<void()> done)
        : QObject(context), m_names(ToolRegistry::global().names()), m_done(std::move(done))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &WindowWarmUp::warmNext);
        m_timer.start();
    }

private:
    void warmNext()
    {
        if (m_next < m_names.size()) {
            if (const ToolInfo *info = ToolRegistry::global().info(m_names[m_next])) {
                // A window that keeps its built window warms the instance
                // the registry keeps; every other one an instance of its own.
                std::unique_ptr<ToolWindow> own = info->create();
                if (own->keepsBuiltWindow())
                    ToolRegistry::global().instance(m_names[m_next])->warmUp();
                else
                    own->warmUp();
            }
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

void afterFirstPaint(QWidget *window, std::function<void()> step)
{
    new FirstPaintWatcher(window, std::move(step));
}

void warmUpToolWindows(QObject *context, std::function<void()> done)
{
    new WindowWarmUp(context, std::move(done));
}

} // namespace corvalen
