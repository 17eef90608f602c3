// A keyword search over the whole industry classification, as the window
// runs it on 检索, and a section lookup.
#include "lookups/industry_classification.h"

#include <benchmark/benchmark.h>

namespace {

using corvalen::IndustryClassification;

void BM_ClassificationKeyword(benchmark::State &state)
{
    const IndustryClassification &data = IndustryClassification::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(data.keywordResult(QStringLiteral("化工")));
}
BENCHMARK(BM_ClassificationKeyword)->Unit(benchmark::kMicrosecond);

void BM_ClassificationKeywordNoHit(benchmark::State &state)
{
    const IndustryClassification &data = IndustryClassification::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(data.keywordResult(QStringLiteral("不存在的行业")));
}
BENCHMARK(BM_ClassificationKeywordNoHit)->Unit(benchmark::kMicrosecond);

void BM_ClassificationSection(benchmark::State &state)
{
    const IndustryClassification &data = IndustryClassification::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(data.sectionResult(QLatin1Char('C')));
}
BENCHMARK(BM_ClassificationSection)->Unit(benchmark::kMicrosecond);

} // namespace
