#include "common/forms/form_window.h"
#include "common/forms/tool_registry.h"
#include "water/river_profile_bay.h"
#include "water/river_profile_frolov.h"
#include "water/river_profile_mixing.h"

#include <QCoreApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using namespace corvalen;

// 100,000 distances, the most one profile makes.
const ProfileRange kLargest{"1", "100000", "1"};

void BM_RiverProfileOxygenSagLargest(benchmark::State &state)
{
    const MixingInputs in{.qh = "10", .ch = "0.1", .qp = "1", .cp = "100", .u = "1", .dp = "4.5",
                          .dh = "1.5", .k1 = "1", .k2 = "1.5", .range = kLargest};
    for (auto _ : state) {
        ProgressState bar;
        benchmark::DoNotOptimize(mixingReport(in, bar));
    }
}
BENCHMARK(BM_RiverProfileOxygenSagLargest)->Unit(benchmark::kMillisecond);

void BM_RiverProfileFrolovLargest(benchmark::State &state)
{
    const FrolovInputs in{.qp = "1.0", .cp = "100", .ch = "0.1", .v = "0.2", .k1 = "1", .h = "0.5",
                          .epsilon = "1", .r = "100", .n = "0.05", .qh = "10", .range = kLargest};
    for (auto _ : state) {
        ProgressState bar;
        benchmark::DoNotOptimize(frolovReport(in, bar));
    }
}
BENCHMARK(BM_RiverProfileFrolovLargest)->Unit(benchmark::kMillisecond);

void BM_RiverProfileBayLargest(benchmark::State &state)
{
    const BayInputs in{.qp = "1.0", .cp = "100", .mv = "0.005", .angle = "3.1415926", .ch = "0",
                       .depth = "2", .range = kLargest};
    for (auto _ : state) {
        ProgressState bar;
        benchmark::DoNotOptimize(bayReport(in, bar));
    }
}
BENCHMARK(BM_RiverProfileBayLargest)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

using namespace corvalen;

// Press and show: the S-P window with 100,000 distances, from the click on
// 刷新结果 until the report box has the report and has painted.
void BM_RiverProfileWindowLargest(benchmark::State &state)
{
    const QString name = QStringLiteral("完全混合模式_河15");
    ShowToolWindow(name);
    auto *window = dynamic_cast<FormWindow *>(ToolRegistry::global().existingInstance(name));
    if (!window || !window->form()) {
        state.SkipWithError("window did not open");
        return;
    }
    Form &form = *window->form();
    form.write("Text5", QStringLiteral("1"));
    form.write("Text9", QStringLiteral("100000"));
    form.write("Text8", QStringLiteral("1"));
    auto *press = form.get<QPushButton>(QStringLiteral("Command1"));
    for (auto _ : state) {
        form.write("RichTextBox1", QString());
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        press->click();
        form.get(QStringLiteral("RichTextBox1"))->repaint();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    window->close();
}
BENCHMARK(BM_RiverProfileWindowLargest)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
