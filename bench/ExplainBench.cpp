#include "TindrelAI/ExplanationRequest.h"
#include "TindrelAI/TemplateExplainer.h"
#include "TindrelAI/model/FoundationModelExplainer.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace tindrel;

// A loopback port nothing listens on: what availability costs on a machine without a model server.
std::string closedPortURL() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

void BM_BuildPrompt_SampleToken(benchmark::State& state) {
    DecodeChain chain = Tindrel::inspect(Samples::token);
    for (auto _ : state)
        benchmark::DoNotOptimize(ExplanationRequest::buildPrompt(chain));
}
BENCHMARK(BM_BuildPrompt_SampleToken);

void BM_BuildPrompt_LongFinalValue(benchmark::State& state) {
    DecodeChain chain{"x", {{DetectionKind::json, std::string(1 << 20, 'v'), 0.9, "JSON", {}, true}}};
    for (auto _ : state)
        benchmark::DoNotOptimize(ExplanationRequest::buildPrompt(chain));
}
BENCHMARK(BM_BuildPrompt_LongFinalValue);

void BM_TemplateExplanation_SampleToken(benchmark::State& state) {
    DecodeChain chain = Tindrel::inspect(Samples::token);
    for (auto _ : state)
        benchmark::DoNotOptimize(TemplateExplainer::explainSync(chain));
}
BENCHMARK(BM_TemplateExplanation_SampleToken);

void availability(benchmark::State& state, const std::string& url) {
    ::setenv("TINDREL_MODEL_URL", url.c_str(), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(FoundationModelExplainer::isAvailable());
    ::unsetenv("TINDREL_MODEL_URL");
}

void BM_Availability_NoServer(benchmark::State& state) {
    availability(state, closedPortURL());
}
BENCHMARK(BM_Availability_NoServer)->Unit(benchmark::kMicrosecond);

void BM_Availability_NonLocalURL(benchmark::State& state) {
    availability(state, "http://192.0.2.1:11434");
}
BENCHMARK(BM_Availability_NonLocalURL)->Unit(benchmark::kMicrosecond);

} // namespace
