#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/scan/CandidatePatterns.h"
#include "TindrelCore/scan/ScanStream.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"

#include <gtest/gtest.h>
#include <random>

using namespace tindrel;
using namespace std::string_literals;
using scantest::engineOf;
using scantest::startsWith;

namespace {

// Log lines with artifacts, and the bytes that test the places a stream may cut: white space and
// control characters before combining marks, line feeds and "=", ill-formed UTF-8, multi-line
// JSON and PEM blocks. No fragment closes a bracket or a quote that it did not open, so the JSON
// spans of a text stay within one fragment.
const std::vector<std::string> fragments = {
    "2024-03-14T09:26:53Z INFO request 3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f finished in 12 ms",
    "auth ok token=" + std::string(Samples::token),
    "body {\"user\":\"ada\",\"at\":1700000000123,\"tags\":[\"a\",\"b\"]}",
    "payload {\n  \"user\": \"ada\",\n  \"ts\": 1700000000\n}",
    "[\r\n {\"t\":\"eyJhIjoxfQ.e30.x\"},\r\n 42\r\n]",
    "-----BEGIN CERTIFICATE-----\nQUJDREVGR0hJSktMTU5PUFFSU1RVVldY\nWVo=\n-----END CERTIFICATE-----",
    "-----BEGIN A B-----\r\nQUJD\u3000REVG\r\n-----END A B-----",
    "GET /api/v1/items?id=4711&sort=desc&page=3 200",
    "q=\x01\x02&r=\x7f\x03",
    "a=1\0\0\0&b=2"s,
    "[a b=123]\x01&c=2",
    "session aGVsbG8gd29ybGQsIGJhc2U2NCE= renewed",
    "trace_id=0123456789abcdef0123 span=deadbeef",
    "pw $2b$12$abcdefghijklmnopqrstuv.ABCDEFGHIJKLMNOPQRSTUVWXYZ01",
    "heartbeat 1700000000 and 1700000000123",
    "\u0301eyJa.b.c \u00e91700000000 \u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669\u0660",
    "\U0001F1EB\U0001F1F7 \u200d \ufe0f \u00ad e\u0301",
    "\xff\xc3( \xe2\x82 \xf0\x9f\x98 \xed\xa0\x80 \xc0\xaf",
    "{ open [ never closed",
    "-----BEGIN CUT-----\nQUJDREVG",
    "\\",
    "=",
    "\0\0\0"s,
    "\x01\x1f\x7f",
};

const std::vector<std::string> separators = {" ", "\n", "\r\n", "\t", " \t", "\v", "\f", "\r", "\n\n"};

// Texts of random fragments. `lineFeeds` false makes one long line.
std::string randomText(std::mt19937& random, std::size_t count, bool lineFeeds) {
    auto below = [&](std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += fragments[below(fragments.size())] + separators[below(separators.size())];
    if (!lineFeeds) std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// Feeds the text in chunks of random sizes, many of them small enough to split UTF-8 sequences;
// with `pauses`, the input pauses after every other chunk or so.
std::vector<ScanFinding> streamed(const Scanner& scanner, std::string_view text, ScanStream::Limits limits,
                                  bool pauses, std::mt19937& random) {
    std::vector<ScanFinding> findings;
    ScanStream stream(
        scanner, [&](ScanFinding&& f) { findings.push_back(std::move(f)); }, limits);
    std::size_t largest = 3 * limits.reachBytes;
    while (!text.empty()) {
        std::size_t size = std::uniform_int_distribution<std::size_t>(1, 4)(random) == 1
                               ? std::uniform_int_distribution<std::size_t>(1, largest)(random)
                               : std::uniform_int_distribution<std::size_t>(1, 4)(random);
        stream.feed(text.substr(0, size));
        text.remove_prefix(std::min(size, text.size()));
        if (pauses && random() % 2 == 0) stream.settle();
        EXPECT_LT(stream.heldBytes(), 2 * limits.reachBytes + 4);
    }
    stream.finish();
    return findings;
}

std::size_t longestSpanningMatch(const std::string& text) {
    ScanText whole(text);
    std::size_t longest = 0;
    for (CandidatePattern pattern : {CandidatePattern::pemBlock, CandidatePattern::jsonSpan})
        for (const TextSpan& span : findMatches(whole, pattern))
            longest = std::max(longest, span.end - span.begin);
    return longest;
}

ChainEngine markerEngine() {
    return engineOf({
        {DetectionKind::pem, [](std::string_view t) { return startsWith(t, "-----BEGIN"); }},
        {DetectionKind::jwt, [](std::string_view t) { return startsWith(t, "eyJ"); }},
        {DetectionKind::json, [](std::string_view t) { return t.size() % 3 != 0; }},
        {DetectionKind::queryString,
         [](std::string_view t) { return t.find('&') != std::string_view::npos; }},
        {DetectionKind::unixTimestamp, [](std::string_view t) { return t.size() == 10 || t.size() == 13; }},
        {DetectionKind::hex, [](std::string_view t) { return t.size() % 2 == 0; }},
        {DetectionKind::hash, [](std::string_view t) { return startsWith(t, "$"); }},
    });
}

} // namespace

TEST(ScanStream, FindsWhatTheWholeTextFinds) {
    const Scanner scanners[] = {Scanner{markerEngine()}, Scanner{ChainEngine{defaultDetectors(), 0.5, 12}}};
    const ScanStream::Limits limits[] = {{1, 512}, {16, 1024}, {300, 4096}};
    std::mt19937 random(20240314);
    for (int round = 0; round < 12; ++round) {
        std::string text = randomText(random, 150, round % 3 != 0);
        std::string valid = Text::sanitizeUTF8(text);
        const Scanner& scanner = scanners[round % 2];
        std::vector<ScanFinding> whole = scanner.scan(valid);
        ASSERT_FALSE(whole.empty());
        for (const ScanStream::Limits& limit : limits) {
            ASSERT_LT(longestSpanningMatch(valid), limit.reachBytes) << "a match too long to be sure of";
            for (bool pauses : {false, true})
                EXPECT_EQ(streamed(scanner, text, limit, pauses, random), whole)
                    << "round " << round << ", piece " << limit.pieceBytes << ", reach " << limit.reachBytes
                    << (pauses ? ", pausing" : "");
        }
    }

    std::string log = randomText(random, 400, true);
    std::vector<ScanFinding> findings;
    ScanStream stream = Tindrel::scanStream([&](ScanFinding&& f) { findings.push_back(std::move(f)); });
    stream.feed(log);
    stream.finish();
    EXPECT_EQ(findings, Tindrel::scan(Text::sanitizeUTF8(log)));
}

// Lines fed with a pause after each step: the findings of the complete lines come out before
// anything more is fed, but for the lines that a match still open may reach back into, which come
// out once it closes, fails, falls a reach behind or the pause is overdue.
TEST(ScanStream, SettlesCompleteLinesWhenTheInputPauses) {
    struct Step {
        std::string fed;
        std::vector<std::string> settled; // the matched texts handed out by the pause after it
        bool overdue = false;
    };
    const std::string pem =
        "-----BEGIN CERTIFICATE-----\nQUJDREVGR0hJSktMTU5PUFFSU1RVVldY\n-----END CERTIFICATE-----";
    std::string filler;
    for (int i = 0; i < 200; ++i)
        filler += "ok\n";
    const Step steps[] = {
        {"auth eyJhbGciOiJIUzI1NiJ9.e30.c2ln\n", {"eyJhbGciOiJIUzI1NiJ9.e30.c2ln"}},
        {"session eyJhIjox", {}},
        {"fQ.e30.x ok\n", {"eyJhIjoxfQ.e30.x"}},
        {"-----BEGIN CERTIFICATE-----\n", {}},
        {"QUJDREVGR0hJSktMTU5PUFFSU1RVVldY\n", {}},
        {"-----END CERTIFICATE-----\nnext eyJ0.e30.y\n", {pem, "eyJ0.e30.y"}},
        {"body {\n", {}},
        {"  \"n\": 1\n", {}},
        {"} eyJ1.e30.z\n", {"{\n  \"n\": 1\n}", "eyJ1.e30.z"}},
        {"-----BEGIN KEY-----\nQUJD\n", {}},
        {"stray: eyJ2.e30.w\n", {"eyJ2.e30.w"}},
        {"{ never closed\n", {}},
        {"then eyJ3.e30.v\n", {}},
        {"later eyJ4.e30.u\n", {"eyJ3.e30.v", "eyJ4.e30.u"}, true},
        {"{ open again\n", {}},
        {filler, {}},
        {"", {}, true},
    };
    Scanner scanner{engineOf({
        {DetectionKind::pem, [](std::string_view t) { return startsWith(t, "-----BEGIN"); }},
        {DetectionKind::jwt, [](std::string_view t) { return startsWith(t, "eyJ"); }},
        {DetectionKind::json, [](std::string_view t) { return startsWith(t, "{\n"); }},
    })};
    std::vector<ScanFinding> findings;
    ScanStream stream(scanner, [&](ScanFinding&& f) { findings.push_back(std::move(f)); }, {64, 256});
    std::string text;
    for (const Step& step : steps) {
        std::size_t before = findings.size();
        stream.feed(step.fed);
        stream.settle(step.overdue);
        text += step.fed;
        std::vector<std::string> settled;
        for (std::size_t i = before; i < findings.size(); ++i)
            settled.push_back(findings[i].matchedText);
        EXPECT_EQ(settled, step.settled) << "after " << step.fed;
    }
    std::size_t beforeEnd = findings.size();
    stream.finish();
    EXPECT_EQ(findings.size(), beforeEnd);
    EXPECT_EQ(findings, scanner.scan(text));
}

// Endless input without line feeds, some of it without any place where a match surely ends: the
// stream keeps its bound and hands over findings while the input still comes; a run too long to
// hold is decoded in parts of a piece (but for its last reach, which the end of the text settles).
TEST(ScanStream, KeepsItsBoundOnEndlessInput) {
    struct Case {
        std::string name, unit;
        bool cutsBetweenUnits;       // then each unit is scanned whole, as in the whole text
        std::size_t findingsPerUnit; // when it is
    } cases[] = {
        {"NUL bytes", "\0"s, true, 0},
        {"timestamps", "1700000000 ", true, 1},
        {"NUL-separated timestamps", "1700000000\0"s, true, 1},
        {"a query string of endless pairs", "a=1&", false, 0},
        {"one Base64 run", "QUJD", false, 0},
    };
    const ScanStream::Limits limits{64, 1024};
    Scanner scanner{engineOf({
        {DetectionKind::unixTimestamp, [](std::string_view t) { return t.size() == 10; }},
        {DetectionKind::queryString, [](std::string_view t) { return startsWith(t, "a="); }},
        {DetectionKind::base64, [](std::string_view t) { return startsWith(t, "QUJD"); }},
    })};
    for (const Case& c : cases) {
        std::size_t found = 0, longest = 0;
        ScanStream stream(
            scanner,
            [&](ScanFinding&& f) {
                ++found;
                longest = std::max(longest, f.matchedText.size());
                EXPECT_EQ(f.line, 1u);
            },
            limits);
        const std::size_t units = 40 * limits.reachBytes / c.unit.size();
        for (std::size_t i = 0; i < units; ++i) {
            stream.feed(c.unit);
            ASSERT_LT(stream.heldBytes(), 2 * limits.reachBytes) << c.name;
        }
        std::size_t foundWhileFeeding = found, longestWhileFeeding = longest;
        stream.finish();
        EXPECT_GE(foundWhileFeeding + 2 * limits.reachBytes / c.unit.size() + 1, found) << c.name;
        if (c.cutsBetweenUnits) {
            EXPECT_EQ(found, units * c.findingsPerUnit) << c.name;
        } else {
            EXPECT_LE(longestWhileFeeding, limits.pieceBytes) << c.name;
            EXPECT_GE(found, units * c.unit.size() / limits.pieceBytes / 2) << c.name;
        }
    }
}
