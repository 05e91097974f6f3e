#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Bytes.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>
#include <string>
#include <vector>

namespace {

using namespace tindrel;

// A JSON document of about `size` bytes: an array of small records.
std::string jsonDocument(std::size_t size) {
    std::string json = "[";
    for (int i = 0; json.size() < size; ++i) {
        if (i > 0) json += ",";
        json += R"({"id":)" + std::to_string(i) + R"(,"name":"user )" + std::to_string(i) +
                R"(","tags":["a","b/c"],"active":true})";
    }
    return json + "]";
}

void inspectText(benchmark::State& state, const std::string& text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Tindrel::inspect(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Base64_60B(benchmark::State& state) {
    inspectText(state, Bytes::base64Encode("{\"user\":\"ada\",\"role\":\"admin\",\"n\":42}"));
}

void BM_JWT_1KB(benchmark::State& state) {
    std::string token(Samples::token);
    std::size_t firstDot = token.find('.');
    std::string payload = R"({"sub":"1234567890","exp":1700003600,"pad":")" + std::string(700, 'x') + "\"}";
    std::string padded = token.substr(0, firstDot + 1) + Bytes::base64Encode(payload) + ".c2ln";
    inspectText(state, padded);
}

void BM_JSON_100KB(benchmark::State& state) {
    inspectText(state, jsonDocument(100 * 1024));
}

void BM_Base64JSON_10MB(benchmark::State& state) {
    inspectText(state, Bytes::base64Encode(jsonDocument(10 * 1024 * 1024 / 4 * 3)));
}

// Distinct texts as a scan meets them by the million on a crowded line: each chain is built and
// dropped once.
void recogniseEach(benchmark::State& state, const std::vector<std::string>& texts) {
    const ChainEngine engine{defaultDetectors(), 0.5, 12};
    for (auto _ : state)
        for (const std::string& text : texts)
            benchmark::DoNotOptimize(engine.recognise(text));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * texts.size()));
}

void BM_RecogniseTimestamps(benchmark::State& state) {
    std::vector<std::string> texts;
    for (int i = 0; i < 4096; ++i)
        texts.push_back(std::to_string(1500000000 + i * 7919));
    recogniseEach(state, texts);
}

void BM_RecogniseUUIDs(benchmark::State& state) {
    std::vector<std::string> texts;
    for (int i = 0; i < 4096; ++i)
        texts.push_back(fmt::format("{:08x}-1d2c-4b3a-9f8e-{:012x}", i * 2654435761u, i * 40503u));
    recogniseEach(state, texts);
}

} // namespace

BENCHMARK(BM_RecogniseTimestamps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecogniseUUIDs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Base64_60B);
BENCHMARK(BM_JWT_1KB);
BENCHMARK(BM_JSON_100KB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Base64JSON_10MB)->Unit(benchmark::kMillisecond);
