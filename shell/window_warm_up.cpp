#include "shell/window_warm_up.h"

#include "common/forms/tool_registry.h"
#include "shell/application_setup.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace corvalen {
namespace {

// Watches the window for its first paint, then runs the step behind
// whatever the event loop still holds.
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

// A window built anew at each opening gets a new backing store, taken from
// the heap, where the store of the window closed last is left for it (see
// setUpHeap()). Before any window has been opened there is none: this
// leaves as much memory as the largest such window's store mapped in and
// free there, so that a first opening does not wait for fresh memory to be
// mapped in page by page (on a virtual machine that was most of the first
// opening of a large window).
void keepStoreMemoryReady(qint64 area)
{
    const qreal ratio = qApp->devicePixelRatio();
    keepHeapMemoryReady(qMin(qint64(area * ratio * ratio) * 4, kMaxReadyStoreBytes), HeapReadiness::Written);
}

// One window per timeout of a zero timer, which fires only when the event
// loop has nothing else to do: a click of the user waits for one window at
// most.
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
                if (own->keepsBuiltWindow()) {
                    ToolRegistry::global().instance(m_names[m_next])->warmUp();
                } else {
                    const QSize size = own->warmUp();
                    m_largestArea = qMax(m_largestArea, qint64(size.width()) * size.height());
                }
            }
            ++m_next;
            return;
        }
        m_timer.stop();
        keepStoreMemoryReady(m_largestArea);
        if (m_done)
            m_done();
        deleteLater();
    }

    QStringList m_names;
    qsizetype m_next = 0;
    qint64 m_largestArea = 0;  // of the windows built anew at each opening, px
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
