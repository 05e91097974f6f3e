#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Bytes.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <string>

// Markup shapes that libxml2 or libplist read in quadratic time, at 1 MB and 10 MB: inspected as
// they are, and scanned as Base64 on one log line. Linear when 10 MB takes about ten times 1 MB.
// The "Bounded" shapes stay just within what the readers are given, and go all the way through.
namespace {

using namespace tindrel;
using Maker = std::function<std::string(std::size_t)>;

std::string numbered(const std::string& unit, std::size_t i) {
    std::string copy = unit;
    for (std::size_t at = copy.find("{n}"); at != std::string::npos; at = copy.find("{n}", at))
        copy.replace(at, 3, std::to_string(i));
    return copy;
}

// Numbered copies of `unit` between `head` and `tail`, to about `size` bytes.
std::string filled(const std::string& head, const std::string& unit, const std::string& tail,
                   std::size_t size) {
    std::string text = head;
    for (std::size_t i = 0; text.size() < size; ++i)
        text += numbered(unit, i);
    return text + tail;
}

std::string copies(const std::string& unit, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += numbered(unit, i);
    return text;
}

std::string attributes(std::size_t size) {
    return filled("<a", " a{n}=\"1\"", "/>", size);
}

std::string namespaces(std::size_t size) {
    return filled("<a", " xmlns:p{n}=\"urn:x:{n}\"", "/>", size);
}

std::string escapedString(std::size_t size) {
    return filled("<plist version=\"1.0\"><string>", "&amp;", "</string></plist>", size);
}

std::string keys(std::size_t size) {
    return filled("<plist version=\"1.0\"><dict>", "<key>k{n}</key><true/>", "</dict></plist>", size);
}

// Elements of 256 attributes each.
std::string boundedAttributes(std::size_t size) {
    return filled("<r>", "<e" + copies(" a{n}=\"1\"", 256) + "/>", "</r>", size);
}

// Dictionaries of 4096 keys each.
std::string boundedKeys(std::size_t size) {
    std::string dict = "<dict>" + copies("<key>k{n}</key><true/>", 4096) + "</dict>";
    return filled("<plist version=\"1.0\"><array>", dict, "</array></plist>", size);
}

void inspectShape(benchmark::State& state, const Maker& make) {
    std::string text = make(static_cast<std::size_t>(state.range(0)) << 20);
    bool recognised = false;
    for (auto _ : state)
        recognised = Tindrel::inspect(text).isRecognized();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["recognised"] = recognised;
}

void scanShape(benchmark::State& state, const Maker& make) {
    std::string log = "2024-01-31T12:00:00Z INFO upload body=" +
                      Bytes::base64Encode(make(static_cast<std::size_t>(state.range(0)) << 20)) +
                      " status=413\n";
    std::size_t findings = 0;
    for (auto _ : state)
        findings = Tindrel::scan(log).size();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * log.size()));
    state.counters["findings"] = static_cast<double>(findings);
}

void BM_InspectXMLAttributes(benchmark::State& state) {
    inspectShape(state, attributes);
}
void BM_ScanXMLAttributes(benchmark::State& state) {
    scanShape(state, attributes);
}
void BM_InspectXMLNamespaces(benchmark::State& state) {
    inspectShape(state, namespaces);
}
void BM_ScanXMLNamespaces(benchmark::State& state) {
    scanShape(state, namespaces);
}
void BM_InspectPlistEscapedString(benchmark::State& state) {
    inspectShape(state, escapedString);
}
void BM_ScanPlistEscapedString(benchmark::State& state) {
    scanShape(state, escapedString);
}
void BM_InspectPlistKeys(benchmark::State& state) {
    inspectShape(state, keys);
}
void BM_ScanPlistKeys(benchmark::State& state) {
    scanShape(state, keys);
}
void BM_InspectBoundedXMLAttributes(benchmark::State& state) {
    inspectShape(state, boundedAttributes);
}
void BM_InspectBoundedPlistKeys(benchmark::State& state) {
    inspectShape(state, boundedKeys);
}

} // namespace

BENCHMARK(BM_InspectXMLAttributes)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanXMLAttributes)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectXMLNamespaces)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanXMLNamespaces)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectPlistEscapedString)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanPlistEscapedString)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectPlistKeys)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanPlistKeys)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectBoundedXMLAttributes)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectBoundedPlistKeys)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
