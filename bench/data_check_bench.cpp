#include "shell/data_files.h"

#include <benchmark/benchmark.h>

namespace {

// The check that runs after the main window's first paint: every data file
// that the registration of the windows has not read, read and parsed.
void BM_DataFileCheck(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(corvalen::dataFileFaults());
}
BENCHMARK(BM_DataFileCheck)->Unit(benchmark::kMillisecond);

} // namespace
