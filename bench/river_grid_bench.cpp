// The four grid river models, from their boxes to the hand-off text: the
// design-time grid and the largest grid the windows accept.
#include "water/river_grid_cumulative.h"
#include "water/river_grid_mixing.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvalen;

MixingBoxes mixingDesign(bool decays)
{
    return {.ch = "0.1", .cp = "100", .h = "0.5", .my = "5", .u = "0.2", .qp = "1", .b = "100", .a = "0",
            .k1 = "1", .decays = decays};
}

CumulativeBoxes cumulativeDesign(bool decays)
{
    return {.qh = "10", .h = "0.5", .ch = "0.1", .qp = "1", .my = "5.0", .cp = "100", .a = "0", .u = "0.2",
            .k1 = "1", .decays = decays};
}

const GridBoxes kDesign{"3000", "100", "100", "10"};
// 1000 rows from x = 10 by 3 m, 100 columns: 100,000 points.
const GridBoxes kLargest{"3007", "3", "99", "1"};

void BM_RiverMixingGrid(benchmark::State &state, bool decays, GridBoxes bounds)
{
    const MixingBoxes in = mixingDesign(decays);
    for (auto _ : state)
        benchmark::DoNotOptimize(mixingGrid(in, bounds));
}
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model2_design, false, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model6_design, true, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model2_largest, false, kLargest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model6_largest, true, kLargest)->Unit(benchmark::kMillisecond);

void BM_RiverCumulativeGrid(benchmark::State &state, bool decays, GridBoxes bounds)
{
    const CumulativeBoxes in = cumulativeDesign(decays);
    for (auto _ : state)
        benchmark::DoNotOptimize(cumulativeGrid(in, bounds));
}
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model4_design, false, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model8_design, true, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model4_largest, false, kLargest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model8_largest, true, kLargest)->Unit(benchmark::kMillisecond);

} // namespace
