#include "window_opening.h"

#include "common/forms/tool_registry.h"
#include "shell/data_files.h"
#include "shell/main_window.h"
#include "shell/window_warm_up.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace corvalen::bench {
namespace {

// Later openings timed after the first one, in the same process.
constexpr int kReopenings = 10;
// Child processes (each a first opening) per window and kind.
constexpr int kRuns = 3;

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

void waitFor(const bool &flag, qint64 limitMs = 10000)
{
    QElapsedTimer guard;
    guard.start();
    while (!flag && guard.elapsed() < limitMs)
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
    double first = 0;          // ms
    double later = 0;          // ms, mean
    double rssMb = 0;          // after the warm-up
    double warmUpMs = 0;       // first paint of the main window to the warm-up's end
    double longestWaitMs = 0;  // the longest turn of the event loop during the warm-up
};

// The memory the process holds (resident set), in MB; 0 where the system
// does not say.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// The children run on the screen the benchmark chose (BenchDisplay), which
// is in the environment.
Opening runChild(const QString &self, const QString &name, bool cold)
{
    QTemporaryDir runtime;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(env);
    QStringList arguments{QStringLiteral("--open"), name};
    if (cold)
        arguments << QStringLiteral("--cold");
    process.start(self, arguments);
    Opening opening;
    if (!process.waitForFinished(180000))
        return opening;
    const QStringList figures = QString::fromUtf8(process.readAllStandardOutput()).split(u' ');
    if (figures.size() != 5)
        return opening;
    opening.first = figures[0].toDouble(&opening.ok);
    opening.later = figures[1].toDouble();
    opening.rssMb = figures[2].toDouble();
    opening.warmUpMs = figures[3].toDouble();
    opening.longestWaitMs = figures[4].toDouble();
    return opening;
}

// First opening to first paint, after the program's warm-up (the time
// column), beside the same without warm-up, the mean later opening, the
// memory held after the warm-up, the warm-up's length and its longest turn.
void BM_Opening(benchmark::State &state, QString self, QString name, QString platform)
{
    state.SetLabel(platform.toStdString());
    double cold = 0, later = 0, rss = 0, warmUp = 0, longestWait = 0;
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
        rss += warm.rssMb;
        warmUp += warm.warmUpMs;
        longestWait = qMax(longestWait, warm.longestWaitMs);
        ++runs;
    }
    state.counters["cold_first_ms"] = cold / runs;
    state.counters["later_ms"] = later / runs;
    state.counters["rss_mb"] = rss / runs;
    state.counters["warm_up_ms"] = warmUp / runs;
    state.counters["warm_up_longest_turn_ms"] = longestWait;
}

} // namespace

int runOpeningChild(const QString &name, bool cold)
{
    if (!ToolRegistry::global().contains(name))
        return 2;
    bool ready = cold;
    MainWindow main;
    QElapsedTimer sincePaint;
    // The longest the event loop is held between two of its turns while the
    // warm-up runs: what a click made then would wait for.
    QElapsedTimer turn;
    QTimer turns;
    qint64 longestTurn = 0;
    turns.setInterval(0);
    QObject::connect(&turns, &QTimer::timeout, [&turn, &longestTurn] { longestTurn = qMax(longestTurn, turn.restart()); });
    if (!cold) {
        // As the program does after its first paint.
        afterFirstPaint(&main, [&main, &ready] {
            QTimer::singleShot(0, &main, [&main, &ready] {
                checkDataFiles();
                warmUpToolWindows(&main, [&ready] { ready = true; });
            });
        });
    }
    {
        PaintWatcher watcher(&main);
        main.show();
        waitFor(watcher.painted);
    }
    sincePaint.start();
    turn.start();
    turns.start();
    // A machine under load may take a while.
    waitFor(ready, 120000);
    turns.stop();
    if (!ready)
        return 3;
    const double warmUp = cold ? 0 : sincePaint.nsecsElapsed() / 1e6;
    const double rss = residentMb();
    const double first = openToFirstPaint(name);
    closeWindow(name);
    double later = 0;
    for (int i = 0; i < kReopenings; ++i) {
        later += openToFirstPaint(name);
        closeWindow(name);
    }
    std::printf("%.3f %.3f %.1f %.1f %.1f", first, later / kReopenings, rss, warmUp, cold ? 0.0 : double(longestTurn));
    std::fflush(stdout);
    ToolRegistry::global().resetInstances();
    return 0;
}

void registerOpeningBenchmarks(const char *self, const QString &platform)
{
    const QString program = QString::fromLocal8Bit(self);
    for (const QString &name : ToolRegistry::global().names()) {
        benchmark::RegisterBenchmark(("BM_Opening/" + name.toStdString()).c_str(), BM_Opening, program, name, platform)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kRuns);
    }
}

} // namespace corvalen::bench
