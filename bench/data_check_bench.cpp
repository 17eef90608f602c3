#include "shell/data_check.h"

#include <benchmark/benchmark.h>

namespace {

// The check that runs after the main window's first paint: every data file
// of the program read and parsed afresh.
void BM_DataFileCheck(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(corvalen::dataFileFaults());
}
BENCHMARK(BM_DataFileCheck)->Unit(benchmark::kMillisecond);

} // namespace
