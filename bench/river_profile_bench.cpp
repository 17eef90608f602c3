#include "water/river_profile_bay.h"
#include "water/river_profile_frolov.h"
#include "water/river_profile_mixing.h"

#include <benchmark/benchmark.h>

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
