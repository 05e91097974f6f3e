#include "HeapCounter.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/formats/Deflate.h"
#include "TindrelCore/tests/CompressionFixtures.h"
#include "TindrelCore/tests/Fixtures.h"

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <random>

using namespace tindrel;

namespace {

constexpr std::size_t size = 2 << 20;

std::string randomBytes(std::size_t count) {
    std::mt19937 generator(7);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// Service log lines: timestamps, levels, key=value pairs, ids and paths with queries.
std::string serviceLog(std::size_t bytes) {
    static constexpr std::string_view levels[] = {"INFO ", "WARN ", "DEBUG", "ERROR"};
    std::string log;
    for (std::size_t i = 0; log.size() < bytes; ++i)
        log += fmt::format(
            "2024-03-14T00:{:02}:{:02}.{:03}Z {} request_id={:08x} path=/api/v1/items?id={}&page=2 "
            "took {} ms\n",
            i / 60 % 60, i % 60, i % 1000, levels[i % 4], i * 2654435761u % 0xFFFFFFFFu, i, i % 97);
    return log;
}

// The most held at once while inspecting, beyond what was held before.
template <typename Inspect> std::size_t peakDuring(Inspect inspect) {
    std::size_t before = HeapCounter::current();
    HeapCounter::restartPeak();
    DecodeChain chain = inspect();
    return HeapCounter::peak() - before;
}

struct Case {
    std::string name;
    std::string text;
    std::size_t steps;
};

std::vector<Case> cases() {
    std::string random = randomBytes(size / 4 * 3);
    return {
        {"random Base64", Bytes::base64Encode(random), 0},
        {"random URL-safe Base64", fixtures::base64URLOf(random), 0},
        {"random hex", fixtures::hexOf(random.substr(0, size / 2)), 0},
        {"service log", serviceLog(size), 0},
        {"Base64 of a service log", Bytes::base64Encode(serviceLog(size / 4 * 3)), 1},
    };
}

} // namespace

// A chain keeps its input and every step's output; inspecting a large text must hold little more
// than that at any moment (no copies kept per round, no text decoded in full only to be refused).
TEST(InspectMemory, PeakStaysNearTheTextsTheChainKeeps) {
    Tindrel::inspect("warm the shared engine up");
    for (Case& c : cases()) {
        DecodeChain expected = Tindrel::inspect(c.text);
        ASSERT_EQ(expected.steps.size(), c.steps) << c.name;
        std::size_t kept = c.text.size();
        for (const DecodeResult& step : expected.steps)
            kept += step.output.size();
        std::size_t slack = c.text.size() / 4;

        std::size_t viewed = peakDuring([&] { return Tindrel::inspect(c.text); });
        EXPECT_LE(viewed, kept + slack) << c.name;

        std::size_t owned = peakDuring([&] { return Tindrel::inspectOwned(std::string(c.text)); });
        EXPECT_LE(owned, kept + slack) << c.name;
    }
}

TEST(InspectMemory, OwnedInspectionKeepsTheCallersText) {
    std::string text = Bytes::base64Encode(randomBytes(size / 4 * 3));
    std::string copy = text;
    const char* buffer = text.data();
    std::size_t before = HeapCounter::current();
    HeapCounter::restartPeak();
    DecodeChain chain = Tindrel::inspectOwned(std::move(text));
    EXPECT_EQ(chain.input.data(), buffer);
    EXPECT_EQ(chain.input, copy);
    EXPECT_LE(HeapCounter::peak() - before, copy.size() / 4);
}

// Buffers grow as output arrives, so a gzip member that falls short of its size field never costs the
// size it claims, even when its body is long enough that the claim could be true.
TEST(InspectMemory, AGzipSizeFieldIsNotAllocatedAhead) {
    Tindrel::inspect("warm the shared engine up");
    struct Case {
        const char* name;
        std::string body;
    } cases[] = {
        {"1 MiB stored", fixtures::rawDeflate(randomBytes(1 << 20))},
        {"20 MiB of zeros", fixtures::zeroBomb(20)},
    };
    for (Case& c : cases) {
        const std::string text =
            Bytes::base64Encode(fixtures::gzipAround(c.body, std::uint32_t(Deflate::vouchedOutputLimit)));
        std::size_t peak = peakDuring([&] { return Tindrel::inspect(text); });
        EXPECT_LT(peak, Deflate::vouchedOutputLimit / 2) << c.name;
    }
}
