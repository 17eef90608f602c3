// The four grid river models, from their inputs to the hand-off text: the
// design-time grid and the largest grid the windows accept.
#include "water/river_grid_cumulative.h"
#include "water/river_grid_mixing.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvalen;

MixingInputs mixingDesign(bool decays)
{
    MixingInputs in;
    in.ch = 0.1f, in.cp = 100, in.h = 0.5f, in.my = 5, in.u = 0.2f, in.qp = 1, in.b = 100, in.a = 0;
    in.decays = decays;
    in.k1 = 1;
    return in;
}

CumulativeInputs cumulativeDesign(bool decays)
{
    CumulativeInputs in;
    in.qh = 10, in.h = 0.5f, in.ch = 0.1f, in.qp = 1, in.my = 5, in.cp = 100, in.a = 0, in.u = 0.2f;
    in.decays = decays;
    in.k1 = 1;
    return in;
}

const RiverGridBounds kDesign{3000, 100, 100, 10};
// 1000 rows from x = 10 by 3 m, 100 columns: 100,000 points.
const RiverGridBounds kLargest{3007, 3, 99, 1};

void BM_RiverMixingGrid(benchmark::State &state, bool decays, RiverGridBounds bounds)
{
    const MixingInputs in = mixingDesign(decays);
    for (auto _ : state)
        benchmark::DoNotOptimize(riverGridText(computeMixingGrid(in, bounds), kMixingGridPattern));
}
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model2_design, false, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model6_design, true, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model2_largest, false, kLargest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RiverMixingGrid, model6_largest, true, kLargest)->Unit(benchmark::kMillisecond);

void BM_RiverCumulativeGrid(benchmark::State &state, bool decays, RiverGridBounds bounds)
{
    const CumulativeInputs in = cumulativeDesign(decays);
    for (auto _ : state)
        benchmark::DoNotOptimize(riverGridText(computeCumulativeGrid(in, bounds), kCumulativeGridPattern));
}
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model4_design, false, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model8_design, true, kDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model4_largest, false, kLargest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RiverCumulativeGrid, model8_largest, true, kLargest)->Unit(benchmark::kMillisecond);

} // namespace
