#include "common/tool_registry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Process start to main window shown: the program leaves right after its
// main window's first show, so the whole run is the figure.
void BM_StartToShown(benchmark::State &state)
{
    QTemporaryDir runtime;
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("CORVALEN_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(CORVALEN_BINARY), {});
        process.waitForFinished(10000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_StartToShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Opening and closing of every registered window, one benchmark per window.
void BM_OpenClose(benchmark::State &state, QString name)
{
    auto &registry = corvalen::ToolRegistry::global();
    for (auto _ : state) {
        corvalen::ShowToolWindow(name);
        registry.existingInstance(name)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

void registerOpenCloseBenchmarks()
{
    for (const QString &name : corvalen::ToolRegistry::global().names()) {
        benchmark::RegisterBenchmark(("BM_OpenClose/" + name.toStdString()).c_str(), BM_OpenClose, name)
            ->Unit(benchmark::kMillisecond);
    }
}
