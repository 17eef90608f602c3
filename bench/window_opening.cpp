#include "window_opening.h"

#include "common/forms/tool_registry.h"
#include "shell/window_warm_up.h"
#include "shell/main_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSize>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace corvalen::bench {
namespace {

// Later openings timed after the first one, in the same process.
constexpr int kReopenings = 10;
// Child processes (each a first opening) per window and kind.
constexpr int kRuns = 3;
// The screen the openings are measured on, in px.
constexpr QSize kScreen(1600, 1000);

// Notes the first paint of a widget.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget *widget) : m_widget(widget) { widget->installEventFilter(this); }
    ~PaintWatcher() override
    {
        if (m_widget)
            m_widget->removeEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
};

void waitFor(const bool &flag)
{
    QElapsedTimer guard;
    guard.start();
    while (!flag && guard.elapsed() < 10000)
        QCoreApplication::processEvents();
}

// ShowToolWindow to the end of the window's first paint, in ms.
double openToFirstPaint(const QString &name)
{
    QElapsedTimer timer;
    timer.start();
    ShowToolWindow(name);
    PaintWatcher watcher(ToolRegistry::global().existingInstance(name)->widget());
    waitFor(watcher.painted);
    return timer.nsecsElapsed() / 1e6;
}

void closeWindow(const QString &name)
{
    ToolRegistry::global().existingInstance(name)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Opening
{
    bool ok = false;
    double first = 0;   // ms
    double later = 0;   // ms, mean
};

// The offscreen platform with one screen of a desktop's size, so that a
// window opens as it does on a desktop (the default offscreen screen, 800 by
// 600, gives large windows scroll areas that a desktop never shows).
QString desktopPlatform(const QString &dir)
{
    const QString path = dir + QStringLiteral("/screen.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("offscreen");
    file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": )" + QByteArray::number(kScreen.width())
               + R"(, "height": )" + QByteArray::number(kScreen.height()) + R"(, "logicalDpi": 96, "dpr": 1}]})");
    return QStringLiteral("offscreen:configfile=") + path;
}

Opening runChild(const QString &self, const QString &name, bool cold)
{
    QTemporaryDir runtime;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), desktopPlatform(runtime.path()));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(env);
    QStringList arguments{QStringLiteral("--open"), name};
    if (cold)
        arguments << QStringLiteral("--cold");
    process.start(self, arguments);
    Opening opening;
    if (!process.waitForFinished(60000))
        return opening;
    const QStringList figures = QString::fromUtf8(process.readAllStandardOutput()).split(u' ');
    if (figures.size() != 2)
        return opening;
    opening.first = figures[0].toDouble(&opening.ok);
    opening.later = figures[1].toDouble();
    return opening;
}

// First opening to first paint, after the program's warm-up (the time
// column), beside the same without warm-up and the mean later opening.
void BM_Opening(benchmark::State &state, QString self, QString name)
{
    double cold = 0, later = 0;
    int runs = 0;
    for (auto _ : state) {
        const Opening warm = runChild(self, name, false);
        const Opening coldOpening = runChild(self, name, true);
        if (!warm.ok || !coldOpening.ok) {
            state.SkipWithError("the child process gave no figures");
            return;
        }
        state.SetIterationTime(warm.first / 1000);
        cold += coldOpening.first;
        later += warm.later;
        ++runs;
    }
    state.counters["cold_first_ms"] = cold / runs;
    state.counters["later_ms"] = later / runs;
}

} // namespace

int runOpeningChild(const QString &name, bool cold)
{
    if (!ToolRegistry::global().contains(name))
        return 2;
    bool ready = cold;
    MainWindow main;
    if (!cold)
        afterFirstPaint(&main, [&main, &ready] { warmUpToolWindows(&main, [&ready] { ready = true; }); });
    {
        PaintWatcher watcher(&main);
        main.show();
        waitFor(watcher.painted);
    }
    waitFor(ready);
    const double first = openToFirstPaint(name);
    closeWindow(name);
    double later = 0;
    for (int i = 0; i < kReopenings; ++i) {
        later += openToFirstPaint(name);
        closeWindow(name);
    }
    std::printf("%.3f %.3f", first, later / kReopenings);
    std::fflush(stdout);
    ToolRegistry::global().resetInstances();
    return 0;
}

void registerOpeningBenchmarks(const char *self)
{
    const QString program = QString::fromLocal8Bit(self);
    for (const QString &name : ToolRegistry::global().names()) {
        benchmark::RegisterBenchmark(("BM_Opening/" + name.toStdString()).c_str(), BM_Opening, program, name)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kRuns);
    }
}

} // namespace corvalen::bench
