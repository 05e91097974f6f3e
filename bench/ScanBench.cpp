#include "ScanLogs.h"
#include "TindrelCore/Tindrel.h"

#include <benchmark/benchmark.h>
#include <functional>

// Each input at 1 MB and 10 MB: the scanner is linear when the second takes about ten times the
// first (scripts/bench-scan.sh prints the ratios).
namespace {

using namespace tindrel;

void scanLog(benchmark::State& state, const std::function<std::string(std::size_t)>& make) {
    std::string log = make(static_cast<std::size_t>(state.range(0)) << 20);
    std::size_t findings = 0;
    for (auto _ : state)
        findings = Tindrel::scan(log).size();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * log.size()));
    state.counters["findings"] = static_cast<double>(findings);
}

void BM_ScanRealistic(benchmark::State& state) {
    scanLog(state, ScanLogs::realistic);
}
void BM_ScanPEMEvery100Lines(benchmark::State& state) {
    scanLog(state, ScanLogs::withPEMBlocks);
}
void BM_ScanOpeningBraces(benchmark::State& state) {
    scanLog(state, [](std::size_t size) { return ScanLogs::repeated('{', size); });
}
void BM_ScanUnendedPair(benchmark::State& state) {
    scanLog(state, ScanLogs::unendedPair);
}
void BM_ScanAmpersands(benchmark::State& state) {
    scanLog(state, [](std::size_t size) { return ScanLogs::repeated('&', size); });
}
void BM_ScanBase64Run(benchmark::State& state) {
    scanLog(state, ScanLogs::base64Run);
}
void BM_ScanHexDigits(benchmark::State& state) {
    scanLog(state, [](std::size_t size) { return ScanLogs::repeated('7', size); });
}

} // namespace

BENCHMARK(BM_ScanRealistic)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanPEMEvery100Lines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanOpeningBraces)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanUnendedPair)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanAmpersands)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanBase64Run)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanHexDigits)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
