#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelReport/InsightHeadline.h"
#include "TindrelReport/ResultExport.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tindrel;

// The export menu's "Copy as Markdown" for the sample token, with the command's date form.
void BM_MarkdownSampleToken(benchmark::State& state) {
    DecodeChain chain = Tindrel::inspect(Samples::token);
    std::vector<std::string> steps = Explainer::nextSteps(chain);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ResultExport::markdown(chain, "This token has expired.", steps, MediumDate::fromCLibrary));
}

void BM_HeadlineSampleToken(benchmark::State& state) {
    DecodeChain chain = Tindrel::inspect(Samples::token);
    for (auto _ : state)
        benchmark::DoNotOptimize(insightHeadline(chain));
}

} // namespace

BENCHMARK(BM_MarkdownSampleToken)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeadlineSampleToken)->Unit(benchmark::kMicrosecond);
