#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/Base58Detector.h"
#include "TindrelCore/detectors/HTMLEntitiesDetector.h"
#include "TindrelCore/detectors/UnicodeEscapeDetector.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace {

using namespace tindrel;

// Characters of the Base58 alphabet in a fixed pseudo-random order.
std::string base58Looking(std::size_t size) {
    const std::string_view alphabet = "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";
    std::mt19937 random(58);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(size, ' ');
    for (char& c : text)
        c = alphabet[pick(random)];
    text[0] = '2'; // no leading zero bytes
    return text;
}

template <typename Run> void overText(benchmark::State& state, const std::string& text, Run run) {
    for (auto _ : state)
        benchmark::DoNotOptimize(run(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

auto inspect = [](const std::string& text) { return Tindrel::inspect(text); };

// Every "&" shares the one ";" at the end: the walk must find it once, not once per "&".
void BM_HTMLEntities_500KAmpersands(benchmark::State& state) {
    overText(state, std::string(500000, '&') + ";",
             [](const std::string& text) { return HTMLEntitiesDetector().decode(text); });
}

void BM_Inspect_500KAmpersands(benchmark::State& state) {
    overText(state, std::string(500000, '&') + ";", inspect);
}

void BM_UnicodeEscape_500KBackslashes(benchmark::State& state) {
    overText(state, std::string(500000, '\\') + "u0041",
             [](const std::string& text) { return UnicodeEscapeDetector().decode(text); });
}

// Longer than any real Base58 payload: refused after one scan instead of a quadratic decoding.
void BM_Base58_1MB(benchmark::State& state) {
    overText(state, base58Looking(1 << 20),
             [](const std::string& text) { return Base58Detector().decode(text); });
}

void BM_Inspect_Base58Looking1MB(benchmark::State& state) {
    overText(state, base58Looking(1 << 20), inspect);
}

// The worst decoding still attempted: a text exactly at the length bound.
void BM_Base58Decode_AtBound(benchmark::State& state) {
    overText(state, base58Looking(Base58Detector::maxLength),
             [](const std::string& text) { return Base58Detector::base58Decode(text); });
}

void BM_Inspect_DoublePercentEncodedJSON(benchmark::State& state) {
    overText(state, "%257B%2522user%2522%253A%2522ada%2522%257D", inspect);
}

} // namespace

BENCHMARK(BM_HTMLEntities_500KAmpersands)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Inspect_500KAmpersands)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnicodeEscape_500KBackslashes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base58_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Inspect_Base58Looking1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base58Decode_AtBound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Inspect_DoublePercentEncodedJSON)->Unit(benchmark::kMicrosecond);
