#include "TindrelHistory/InspectionHistory.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace tindrel;

InspectionHistory fullHistory(int count) {
    std::vector<HistoryEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.emplace_back("eyJ1c2VyIjoiYWRhIn0= number " + std::to_string(i),
                             std::vector<std::string>{"base64", "json"}, true, 1733000000 + i);
    return InspectionHistory(std::move(entries), count);
}

// What start-up pays: the stored history at its cap of 50.
void BM_HistoryDecode_50(benchmark::State& state) {
    Bytes::Buffer stored = fullHistory(50).encoded();
    for (auto _ : state)
        benchmark::DoNotOptimize(InspectionHistory::decoded(stored, 50));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * stored.size()));
}

// What each recognised inspection pays: record into a full history, then encode it for saving.
void BM_HistoryRecordAndEncode_50(benchmark::State& state) {
    InspectionHistory history = fullHistory(50);
    int i = 0;
    for (auto _ : state) {
        ++i;
        history.record(HistoryEntry("fresh " + std::to_string(i % 100), {"jwt", "json"}, true, i));
        benchmark::DoNotOptimize(history.encoded());
    }
}

// Hostile stored data: about 50 MB of entries is read through once, keeping only the cap.
void BM_HistoryDecode_50MB(benchmark::State& state) {
    Bytes::Buffer stored = fullHistory(500000).encoded();
    for (auto _ : state)
        benchmark::DoNotOptimize(InspectionHistory::decoded(stored, 50));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * stored.size()));
}

} // namespace

BENCHMARK(BM_HistoryDecode_50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryRecordAndEncode_50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryDecode_50MB)->Unit(benchmark::kMillisecond);
