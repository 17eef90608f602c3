// Values per second of the default number texts, the display patterns and
// the double conversion, over values of every size a calculator shows.
#include "common/numbers/number_text.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kValues = 4096;

std::vector<double> sampleValues()
{
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<int> exponent(-6, 16);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::vector<double> values(kValues);
    for (double &v : values)
        v = mantissa(rng) * std::pow(10.0, exponent(rng));
    return values;
}

void BM_SingleText(benchmark::State &state)
{
    const std::vector<double> values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvalen::SingleText(float(values[i++ % kValues])));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SingleText);

void BM_DoubleText(benchmark::State &state)
{
    const std::vector<double> values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvalen::DoubleText(values[i++ % kValues]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DoubleText);

void BM_ApplyDisplayPattern(benchmark::State &state, const char16_t *pattern)
{
    const std::vector<double> values = sampleValues();
    const QString text = QString::fromUtf16(pattern);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvalen::ApplyDisplayPattern(values[i++ % kValues], text));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_ApplyDisplayPattern, hashes, u"####.##");
BENCHMARK_CAPTURE(BM_ApplyDisplayPattern, zero_four_places, u"####0.0000");
BENCHMARK_CAPTURE(BM_ApplyDisplayPattern, grouped, u"###,##0.00");

void BM_ToDouble(benchmark::State &state)
{
    std::vector<QString> texts;
    for (double v : sampleValues())
        texts.push_back(corvalen::DoubleText(v));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvalen::ToDouble(texts[i++ % kValues]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ToDouble);

} // namespace
