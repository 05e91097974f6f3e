#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelCore/Samples.h"

#include <QCoreApplication>
#include <QThread>
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

// Results of worker decodes arrive through the event loop, which needs the application object.
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "tindrel-bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

void waitUntilDecoded(const InspectorModel& model) {
    while (model.decoding()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}

// `untilDecoded`: the time until the result is shown; otherwise the time the window's thread is held
// by the paste (long inputs decode on a worker meanwhile).
void recompute(benchmark::State& state, std::string (*make)(std::size_t), bool untilDecoded) {
    ensureApplication();
    MemoryDefaults defaults;
    InspectorServices services;
    services.explanations = std::make_shared<SilentExplanations>();
    InspectorModel model(defaults, {}, services);
    std::string text = make(static_cast<std::size_t>(state.range(0)) << 20);
    for (auto _ : state) {
        model.setInput(text);
        if (!untilDecoded) state.PauseTiming();
        waitUntilDecoded(model);
        benchmark::DoNotOptimize(model.findings().size());
        if (!untilDecoded) state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_RecomputeLog(benchmark::State& state) {
    recompute(state, pastedLog, true);
}
void BM_RecomputeBlob(benchmark::State& state) {
    recompute(state, pastedBlob, true);
}
void BM_PasteHoldsWindowLog(benchmark::State& state) {
    recompute(state, pastedLog, false);
}
void BM_PasteHoldsWindowBlob(benchmark::State& state) {
    recompute(state, pastedBlob, false);
}

BENCHMARK(BM_RecomputeLog)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeBlob)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
// The timed part is short while each round still waits for the whole decode: a fixed count of rounds
// keeps the run from repeating a 20 MiB decode thousands of times.
BENCHMARK(BM_PasteHoldsWindowLog)->Arg(1)->Arg(20)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteHoldsWindowBlob)->Arg(1)->Arg(20)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tindrel
