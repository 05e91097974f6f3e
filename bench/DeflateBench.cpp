#include "TindrelCore/detectors/GzipDetector.h"
#include "TindrelCore/tests/CompressionFixtures.h"
#include "TindrelCore/text/Bytes.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tindrel;

void decodeGzip(benchmark::State& state, const std::string& text) {
    const GzipDetector detector;
    for (auto _ : state)
        benchmark::DoNotOptimize(detector.decode(text));
    state.counters["input_bytes"] = double(text.size());
}

// About 10 KB of gzip whose size field claims 4 GiB; it holds 10 MiB of zeros.
void BM_Gzip_10KBClaiming4GB(benchmark::State& state) {
    static const std::string text =
        Bytes::base64Encode(fixtures::gzipAround(fixtures::zeroBomb(10), 0xFFFFFFFF));
    decodeGzip(state, text);
}
BENCHMARK(BM_Gzip_10KBClaiming4GB)->Unit(benchmark::kMillisecond);

// About 1 MB of gzip that really inflates to 1 GiB, with an honest size field and with one that
// hides the size, so that only the cap on the output stops it.
void BM_Gzip_1MBInflatingTo1GB(benchmark::State& state) {
    static const std::string bomb = fixtures::zeroBomb(1024);
    decodeGzip(state, Bytes::base64Encode(fixtures::gzipAround(bomb, std::uint32_t(state.range(0)))));
}
BENCHMARK(BM_Gzip_1MBInflatingTo1GB)->Arg(1 << 30)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Gzip_JSON_64KB(benchmark::State& state) {
    std::string json = "[";
    for (int i = 0; json.size() < 65536; ++i)
        json += (i > 0 ? "," : "") + std::string(R"({"id":)") + std::to_string(i) + R"(,"ok":true})";
    decodeGzip(state, Bytes::base64Encode(fixtures::gzipMember(json + "]")));
}
BENCHMARK(BM_Gzip_JSON_64KB)->Unit(benchmark::kMicrosecond);

} // namespace
