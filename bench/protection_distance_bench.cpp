#include "risk/protection_distance.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvalen;

const ProtectionDistanceChoices kClassOne{QStringLiteral("大于4"), QStringLiteral("有"),
                                          QStringLiteral("大于允许1/3"), QString()};

// Design time: some 13.6 thousand rounds to 136.19 m.
void BM_ProtectionDistanceDesign(benchmark::State &state)
{
    const ProtectionDistanceInputs in{QStringLiteral("0.05"), QStringLiteral("0.03"), QStringLiteral("200"), kClassOne};
    for (auto _ : state) {
        ProtectionDistance window;
        benchmark::DoNotOptimize(window.press(in));
    }
}
BENCHMARK(BM_ProtectionDistanceDesign)->Unit(benchmark::kMillisecond);

// A band-3 press: a first search to 2.80 km and a second from 2000 m.
void BM_ProtectionDistanceBand3(benchmark::State &state)
{
    const ProtectionDistanceInputs in{QStringLiteral("10"), QStringLiteral("0.03"), QStringLiteral("200"), kClassOne};
    for (auto _ : state) {
        ProtectionDistance window;
        benchmark::DoNotOptimize(window.press(in));
    }
}
BENCHMARK(BM_ProtectionDistanceBand3)->Unit(benchmark::kMillisecond);

// Worst case: a negative emission never meets the stop test, and the search
// runs all the way to the 25,000 m bound.
void BM_ProtectionDistanceWorstCase(benchmark::State &state)
{
    const ProtectionDistanceInputs in{QStringLiteral("-0.05"), QStringLiteral("0.03"), QStringLiteral("200"), kClassOne};
    for (auto _ : state) {
        ProtectionDistance window;
        benchmark::DoNotOptimize(window.press(in));
    }
}
BENCHMARK(BM_ProtectionDistanceWorstCase)->Unit(benchmark::kMillisecond);

} // namespace
