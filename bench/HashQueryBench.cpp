#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/HashDetector.h"
#include "TindrelCore/detectors/QueryStringDetector.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace tindrel;

// An argon2id string whose parameter piece holds about `size` bytes of k=v parts.
std::string argonWithParameters(std::size_t size) {
    std::string params = "m=65536,t=3,p=4";
    for (int i = 0; params.size() < size; ++i)
        params += ",k" + std::to_string(i) + "=" + std::to_string(i);
    return "$argon2id$v=19$" + params + "$c29tZXNhbHR2YWx1ZQ$NhjVRuPkE8LULokiXwyEpigOkgIV5y5+MpAM96zb7o0";
}

std::string queryWithPairs(std::size_t size) {
    std::string query = "error=invalid_grant";
    for (int i = 0; query.size() < size; ++i)
        query += "&key" + std::to_string(i % 977) + "=value%20" + std::to_string(i);
    return query;
}

template <typename Detector> void decodeText(benchmark::State& state, const std::string& text) {
    Detector detector;
    for (auto _ : state)
        benchmark::DoNotOptimize(detector.decode(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_InspectBcrypt(benchmark::State& state) {
    std::string hash = "$2y$12$OPhhtMtaNQNWYDByjd/Aeuh.moH/h.Gx5nVV4BF/3RaEFzBxlg8cC";
    for (auto _ : state)
        benchmark::DoNotOptimize(Tindrel::inspect(hash));
}

void BM_InspectSHA256Digest(benchmark::State& state) {
    std::string digest = "4104d36f8da2c254349f85836793ebe029e0c957063a34c91c2e9203187b5631";
    for (auto _ : state)
        benchmark::DoNotOptimize(Tindrel::inspect(digest));
}

void BM_InspectOAuthError(benchmark::State& state) {
    std::string query = "error=invalid_grant&error_description=Code+expired&state=af0ifjsldkj";
    for (auto _ : state)
        benchmark::DoNotOptimize(Tindrel::inspect(query));
}

// Grows the argon2 parameter piece: time per byte should stay flat.
void BM_ArgonParameters(benchmark::State& state) {
    decodeText<HashDetector>(state, argonWithParameters(static_cast<std::size_t>(state.range(0))));
}

void BM_Bcrypt_1MB(benchmark::State& state) {
    decodeText<HashDetector>(state, "$2b$12$" + std::string(1 << 20, 'a'));
}

void BM_Dollars_1MB(benchmark::State& state) {
    decodeText<HashDetector>(state, std::string(1 << 20, '$'));
}

void BM_QueryString(benchmark::State& state) {
    decodeText<QueryStringDetector>(state, queryWithPairs(static_cast<std::size_t>(state.range(0))));
}

} // namespace

BENCHMARK(BM_InspectBcrypt);
BENCHMARK(BM_InspectSHA256Digest);
BENCHMARK(BM_InspectOAuthError);
BENCHMARK(BM_ArgonParameters)->Arg(4 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Bcrypt_1MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Dollars_1MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QueryString)->Arg(4 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
