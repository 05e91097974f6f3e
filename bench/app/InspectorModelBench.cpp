#include "TindrelAppUI/InspectorModel.h"
#include "TindrelCore/Samples.h"

#include <benchmark/benchmark.h>
#include <string>

namespace tindrel {
namespace {

class SilentExplanations final : public ExplanationService {
public:
    bool modelAvailable() const override { return false; }
    std::string explain(const DecodeChain&, const Cancellation&) const override { return {}; }
    std::string answer(std::string_view, const DecodeChain&, bool) const override { return {}; }
};

// A pasted log of about `bytes`: the sample log's lines over and over.
std::string pastedLog(std::size_t bytes) {
    std::string text;
    while (text.size() < bytes)
        text.append(Samples::log).append("\n");
    return text;
}

// A pasted blob without line breaks: one huge Base64-looking word.
std::string pastedBlob(std::size_t bytes) {
    std::string text;
    while (text.size() < bytes)
        text.append("QUJDREVGR0hJSktMTU5PUFFSU1RVVldYWVo=");
    return text;
}

void recompute(benchmark::State& state, std::string (*make)(std::size_t)) {
    MemoryDefaults defaults;
    InspectorServices services;
    services.explanations = std::make_shared<SilentExplanations>();
    InspectorModel model(defaults, {}, services);
    std::string text = make(static_cast<std::size_t>(state.range(0)) << 20);
    for (auto _ : state) {
        model.setInput(text);
        benchmark::DoNotOptimize(model.findings().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_RecomputeLog(benchmark::State& state) {
    recompute(state, pastedLog);
}
void BM_RecomputeBlob(benchmark::State& state) {
    recompute(state, pastedBlob);
}

BENCHMARK(BM_RecomputeLog)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeBlob)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tindrel
