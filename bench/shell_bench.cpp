#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// Process start to window shown, in ms, on the screen the benchmark chose
// (in the environment): the program writes the moment of
// its window's first show on the same clock and leaves (where it writes
// nothing, its end counts).
double startToShown(const QString &program, const QString &runtimeDir)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("CORVALEN_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    const auto start = std::chrono::steady_clock::now();
    process.start(program, {});
    process.waitForFinished(10000);
    bool ok = false;
    const long long shown = process.readAllStandardOutput().trimmed().toLongLong(&ok);
    const auto end = ok ? std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(shown))
                        : std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The program's start beside its yardstick, an empty Qt window with one
// Chinese label, taken in turns so that both meet the same machine load.
// The time column is the program; the counters give the medians of both and
// their ratio.
void BM_StartToShown(benchmark::State &state, QString platform)
{
    state.SetLabel(platform.toStdString());
    QTemporaryDir runtime;
    std::vector<double> program, yardstick;
    for (auto _ : state) {
        const bool programFirst = program.size() % 2 == 0;
        if (!programFirst)
            yardstick.push_back(startToShown(QStringLiteral(CORVALEN_YARDSTICK_BINARY), runtime.path()));
        program.push_back(startToShown(QStringLiteral(CORVALEN_BINARY), runtime.path()));
        if (programFirst)
            yardstick.push_back(startToShown(QStringLiteral(CORVALEN_YARDSTICK_BINARY), runtime.path()));
        state.SetIterationTime(program.back() / 1000);
    }
    state.counters["program_ms"] = median(program);
    state.counters["yardstick_ms"] = median(yardstick);
    state.counters["ratio"] = median(program) / median(yardstick);
}
} // namespace

void registerStartBenchmark(const QString &platform)
{
    benchmark::RegisterBenchmark("BM_StartToShown", BM_StartToShown, platform)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
}
