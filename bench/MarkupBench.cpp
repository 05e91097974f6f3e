#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Bytes.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using namespace tindrel;

// A docker-compose-like document of about `size` bytes: many services, three levels deep.
std::string yamlDocument(std::size_t size) {
    std::string text = "services:\n";
    for (int i = 0; text.size() < size; ++i) {
        std::string n = std::to_string(i);
        text += "  svc" + n + ":\n    image: registry.example.com/app:" + n + "\n    ports:\n      - \"80" +
                n + ":80\"\n    restart: unless-stopped\n";
    }
    return text;
}

std::string xmlDocument(std::size_t size) {
    std::string text = "<?xml version=\"1.0\"?>\n<feed>";
    for (int i = 0; text.size() < size; ++i) {
        std::string n = std::to_string(i);
        text += "<entry id=\"" + n + "\"><title>Post " + n + "</title><summary>a &amp; b</summary></entry>";
    }
    return text + "</feed>";
}

std::string xmlPlist(std::size_t size) {
    std::string text = "<plist version=\"1.0\"><array>";
    for (int i = 0; text.size() < size; ++i)
        text += "<dict><key>id</key><integer>" + std::to_string(i) + "</integer><key>ok</key><true/></dict>";
    return text + "</array></plist>";
}

void appendBigEndian(std::string& out, std::uint64_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out += char((value >> shift) & 0xFF);
}

// A binary list holding one array of `count` distinct short strings.
std::string binaryPlist(std::uint32_t count) {
    std::string out = "bplist00";
    std::vector<std::uint64_t> offsets = {out.size()};
    out += char(0xAF);
    out += char(0x12);
    appendBigEndian(out, count, 4);
    for (std::uint32_t i = 1; i <= count; ++i)
        appendBigEndian(out, i, 4);
    for (std::uint32_t i = 1; i <= count; ++i) {
        offsets.push_back(out.size());
        std::string text = "item-" + std::to_string(i);
        out += char(0x50 | text.size());
        out += text;
    }
    std::uint64_t table = out.size();
    for (std::uint64_t offset : offsets)
        appendBigEndian(out, offset, 8);
    out += std::string(6, '\0') + char(8) + char(4);
    appendBigEndian(out, offsets.size(), 8);
    appendBigEndian(out, 0, 8);
    appendBigEndian(out, table, 8);
    return out;
}

std::string laughs(int levels) {
    std::string text = "<!DOCTYPE l [<!ENTITY l0 \"lol\">";
    for (int level = 1; level <= levels; ++level) {
        text += "<!ENTITY l" + std::to_string(level) + " \"";
        for (int copy = 0; copy < 10; ++copy)
            text += "&l" + std::to_string(level - 1) + ";";
        text += "\">";
    }
    return text + "]><l>&l" + std::to_string(levels) + ";</l>";
}

void inspectText(benchmark::State& state, const std::string& text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Tindrel::inspect(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.SetComplexityN(static_cast<int64_t>(text.size()));
}

void BM_YAML(benchmark::State& state) {
    inspectText(state, yamlDocument(std::size_t(state.range(0))));
}

void BM_XML(benchmark::State& state) {
    inspectText(state, xmlDocument(std::size_t(state.range(0))));
}

void BM_PlistXML_1MB(benchmark::State& state) {
    inspectText(state, xmlPlist(1 << 20));
}

void BM_PlistBinaryBase64_1MB(benchmark::State& state) {
    inspectText(state, Bytes::base64Encode(binaryPlist(45000)));
}

void BM_XML_EntityBomb(benchmark::State& state) {
    inspectText(state, laughs(20));
}

} // namespace

BENCHMARK(BM_YAML)
    ->RangeMultiplier(10)
    ->Range(100 << 10, 10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_XML)
    ->RangeMultiplier(10)
    ->Range(100 << 10, 10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_PlistXML_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlistBinaryBase64_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XML_EntityBomb)->Unit(benchmark::kMicrosecond);
