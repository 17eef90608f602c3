#include "risk/puff_model.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvalen;

// The puff model window's design-time inputs.
const PuffInputs kDesign{12000000, 200, 200, 100, 0, 0, 1};

// Design time: some 45 thousand rounds to 450.47 m.
void BM_PuffCriticalDistanceDesign(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(criticalDistance(kDesign, 0.03));
}
BENCHMARK(BM_PuffCriticalDistanceDesign)->Unit(benchmark::kMillisecond);

// Worst case: a critical concentration above the axis maximum runs all
// rounds to the 25,000 m bound.
void BM_PuffCriticalDistanceWorstCase(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(criticalDistance(kDesign, 1.0));
}
BENCHMARK(BM_PuffCriticalDistanceWorstCase)->Unit(benchmark::kMillisecond);

// The design-time grid, 11 x 11 points, from its boxes to its hand-off text.
const PuffBoxes kDesignBoxes{"12000000", "200", "200", "100", "0", "0", "1"};

void gridText(const GridBoxes &boxes)
{
    benchmark::DoNotOptimize(puffGrid(kDesignBoxes, boxes));
}

void BM_PuffGridDesign(benchmark::State &state)
{
    for (auto _ : state)
        gridText({"5000", "500", "1000", "100"});
}
BENCHMARK(BM_PuffGridDesign)->Unit(benchmark::kMicrosecond);

// The largest grid the window accepts.
void BM_PuffGridLargest(benchmark::State &state)
{
    for (auto _ : state)
        gridText({"99", "1", "999", "1"});
}
BENCHMARK(BM_PuffGridLargest)->Unit(benchmark::kMillisecond);

} // namespace
