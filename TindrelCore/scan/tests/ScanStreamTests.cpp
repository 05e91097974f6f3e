#include "TindrelCore/Tindrel.h"
#include "TindrelCore/scan/CandidatePatterns.h"
#include "TindrelCore/scan/ScanStream.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"
#include "TindrelCore/tests/Fixtures.h"

#include <atomic>
#include <fmt/format.h>
#include <gtest/gtest.h>
#include <random>

using namespace tindrel;
using namespace std::string_literals;
using scantest::engineOf;
using scantest::markerEngine;
using scantest::startsWith;

namespace {

const std::vector<std::string> separators = {" ", "\n", "\r\n", "\t", " \t", "\v", "\f", "\r", "\n\n"};

// Texts of random fragments of tests/data/scan/fragments.tsv. `lineFeeds` false makes one long line.
std::string randomText(std::mt19937& random, std::size_t count, bool lineFeeds) {
    auto below = [&](std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };
    static const std::vector<fixtures::Row> fragments = fixtures::table("scan/fragments.tsv");
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += fragments[below(fragments.size())][0] + separators[below(separators.size())];
    if (!lineFeeds) std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// Feeds the text in chunks of random sizes, many of them small enough to split UTF-8 sequences;
// with `pauses`, the input pauses after every other chunk or so.
void feedRandomly(ScanStream& stream, std::string_view text, ScanStream::Limits limits, bool pauses,
                  std::mt19937& random) {
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
}

std::vector<ScanFinding> streamed(const Scanner& scanner, std::string_view text, ScanStream::Limits limits,
                                  bool pauses, std::mt19937& random) {
    std::vector<ScanFinding> findings;
    ScanStream stream(
        scanner, [&](ScanFinding&& f) { findings.push_back(std::move(f)); }, limits);
    feedRandomly(stream, text, limits, pauses, random);
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

// JSON spans that crowd a window are held as bits, from which the pieces take theirs.
TEST(ScanStream, FindsWhatTheWholeTextFindsWhereJSONSpansCrowd) {
    const std::vector<std::string> fragments = {"[1]", "{\"a\":[2]}", "[\"]\"]", "{}", "[1,", " ", "\n", "x"};
    const Scanner scanner{ChainEngine{defaultDetectors(), 0.5, 12}};
    std::mt19937 random(3);
    for (int round = 0; round < 4; ++round) {
        std::string text;
        while (text.size() < 20000)
            text += fragments[random() % fragments.size()];
        std::vector<ScanFinding> whole = scanner.scan(text);
        ASSERT_GT(whole.size(), text.size() / 64);
        for (const ScanStream::Limits& limit :
             {ScanStream::Limits{64, 2048}, ScanStream::Limits{700, 4096}}) {
            ASSERT_LT(longestSpanningMatch(text), limit.reachBytes) << "a match too long to be sure of";
            EXPECT_EQ(streamed(scanner, text, limit, round % 2 == 1, random), whole)
                << "round " << round << ", piece " << limit.pieceBytes;
        }
    }
}

// Control characters cut a text only where no "=" came since the last white space, and long runs
// hold no place to cut at all: both ways, pieces still find what the whole text finds.
TEST(ScanStream, CutsAtControlCharactersOnlyOutsideQueryValues) {
    const std::vector<std::string> fragments = {
        "a=b\x01c",     "\x01",       "\x7f", "x=", "k=v&x=\x02y",
        "[1]",          " ",          "\n",   "\t", "abcdefghijklmnopqrstuvwxyz0123456789ABCDEF",
        "id=42&page=7", "1700000000", "\x1f="};
    const Scanner scanners[] = {Scanner{markerEngine()}, Scanner{ChainEngine{defaultDetectors(), 0.5, 12}}};
    std::mt19937 random(11);
    for (int round = 0; round < 6; ++round) {
        std::string text;
        while (text.size() < 6000)
            text += fragments[random() % fragments.size()];
        const Scanner& scanner = scanners[round % 2];
        std::vector<ScanFinding> whole = scanner.scan(text);
        ASSERT_FALSE(whole.empty());
        for (const ScanStream::Limits& limit : {ScanStream::Limits{1, 512}, ScanStream::Limits{40, 1024}}) {
            ASSERT_LT(longestSpanningMatch(text), limit.reachBytes) << "a match too long to be sure of";
            EXPECT_EQ(streamed(scanner, text, limit, round % 3 == 0, random), whole)
                << "round " << round << ", piece " << limit.pieceBytes;
        }
    }
}

// A text fed in one call is scanned where it stands while it is valid UTF-8, window after window,
// to its end when the call says it is the last, and copied from its first ill-formed sequence on. The bytes
// the stream says it has passed are overwritten at once, so reading them again would lose findings.
TEST(ScanStream, ScansATextFedInOneCallWhereItStands) {
    const Scanner scanner{ChainEngine{defaultDetectors(), 0.5, 12}};
    const ScanStream::Limits limits[] = {{16, 1024}, {300, 4096}};
    std::mt19937 random(7);
    for (int round = 0; round < 8; ++round) {
        std::string text = randomText(random, 300, round % 4 != 0);
        bool valid = round % 2 == 0;
        if (valid) text = Text::sanitizeUTF8(text);
        const std::vector<ScanFinding> whole = scanner.scan(Text::sanitizeUTF8(text));
        for (const ScanStream::Limits& limit : limits) {
            std::string bytes = text;
            std::vector<ScanFinding> findings;
            ScanStream stream(
                scanner, [&](ScanFinding&& f) { findings.push_back(std::move(f)); }, limit);
            std::size_t passed = 0, passes = 0;
            stream.whenPassed([&](const char* at) {
                auto upTo = static_cast<std::size_t>(at - bytes.data());
                ASSERT_GE(upTo, passed);
                ASSERT_LE(upTo, bytes.size());
                std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(passed),
                          bytes.begin() + static_cast<std::ptrdiff_t>(upTo), 'X');
                passed = upTo;
                ++passes;
            });
            stream.feed(bytes, round % 4 < 2);
            const std::size_t heldAfterFeeding = stream.heldBytes();
            stream.finish();
            EXPECT_EQ(findings, whole) << "round " << round << ", reach " << limit.reachBytes;
            EXPECT_EQ(passed, bytes.size());
            if (valid) {
                EXPECT_GT(passes, 1u) << "the windows were copied";
            }
            if (valid && round % 4 < 2) {
                EXPECT_EQ(heldAfterFeeding, 0u) << "the last window was copied";
            }
        }
    }
}

// A text that ends with the one call feeding it is scanned where it stands whatever its size, a
// window's worth exactly (the size a benchmark file has) as well as a byte less or more.
TEST(ScanStream, ScansATextEndingInOneCallWhereItStandsAtAnySize) {
    const Scanner scanner{ChainEngine{defaultDetectors(), 0.5, 12}};
    const ScanStream::Limits limit{300, 4096};
    const std::size_t window = 2 * limit.reachBytes;
    std::mt19937 random(11);
    std::string source = randomText(random, 3000, true);
    // ASCII, so that a text cut at any size is whole characters.
    std::replace_if(
        source.begin(), source.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }, 'x');
    for (std::size_t size : {window - 1, window, window + 1, 2 * window}) {
        ASSERT_GE(source.size(), size);
        const std::string text = source.substr(0, size);
        ASSERT_LT(longestSpanningMatch(text), limit.reachBytes) << "a match too long to be sure of";
        std::vector<ScanFinding> findings;
        ScanStream stream(
            scanner, [&](ScanFinding&& f) { findings.push_back(std::move(f)); }, limit);
        stream.feed(text, true);
        EXPECT_EQ(stream.heldBytes(), 0u) << size << " bytes were copied, not scanned where they stand";
        stream.finish();
        EXPECT_EQ(findings, scanner.scan(text)) << size;
    }
}

// Lines fed with a pause after each row of tests/data/scan/pauses.tsv: the findings of the
// complete lines come out before anything more is fed, but for the lines that a match still open may
// reach back into, which come out once it closes, fails, falls a reach behind or the pause is overdue.
TEST(ScanStream, SettlesCompleteLinesWhenTheInputPauses) {
    Scanner scanner{engineOf({
        {DetectionKind::pem, [](std::string_view t) { return startsWith(t, "-----BEGIN"); }},
        {DetectionKind::jwt, [](std::string_view t) { return startsWith(t, "eyJ"); }},
        {DetectionKind::json, [](std::string_view t) { return startsWith(t, "{\n"); }},
    })};
    std::vector<ScanFinding> findings;
    ScanStream stream(scanner, [&](ScanFinding&& f) { findings.push_back(std::move(f)); }, {64, 256});
    std::string text;
    for (const fixtures::Row& row : fixtures::table("scan/pauses.tsv")) {
        std::size_t before = findings.size();
        stream.feed(row[1]);
        stream.settle(row[0] == "overdue");
        text += row[1];
        std::vector<std::string> settled;
        for (std::size_t i = before; i < findings.size(); ++i)
            settled.push_back(findings[i].matchedText());
        EXPECT_EQ(settled, std::vector(row.cells.begin() + 2, row.cells.end())) << row.where;
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
                longest = std::max(longest, f.matchedText().size());
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

// A stretch without a safe cut is scanned whole while it ends within a piece and its overrun, and
// in parts of a piece once longer, at the end of the text as well: a line dense with matches is
// never held whole. A line-spanning match longer than the overrun still carries its piece to its end.
TEST(ScanStream, CutsAStretchThatWouldCarryAPiecePastItsOverrun) {
    const ScanStream::Limits limits{64, 1024, 16};
    Scanner scanner{engineOf({
        {DetectionKind::base64, [](std::string_view t) { return startsWith(t, "QUJD"); }},
        {DetectionKind::json, [](std::string_view t) { return startsWith(t, "{"); }},
    })};
    auto run = [](std::size_t units) {
        std::string text;
        for (std::size_t i = 0; i < units; ++i)
            text += "QUJD";
        return text;
    };
    const std::string wideJSON = "{" + std::string(300, ' ') + "}";
    struct Case {
        std::string name, text;
        std::vector<std::size_t> lengths; // of the findings, in order
    } cases[] = {
        {"a run that ends within the overrun", "x " + run(19) + "\n", {76}},
        {"a longer run", "x " + run(50) + "\n", {64, 64, 72}},
        {"a longer run that ends the text", "x " + run(50), {64, 64, 72}},
        {"a run after a cut near the target", run(15) + " " + run(10) + "\n", {60, 40}},
        {"a JSON span with white space, longer than the overrun", "x " + wideJSON + "\ny", {302}},
        {"the same after a run", run(15) + " " + wideJSON + "\n", {60, 302}},
    };
    for (const Case& c : cases) {
        std::vector<std::size_t> lengths;
        ScanStream stream(
            scanner, [&](ScanFinding&& f) { lengths.push_back(f.matchedText().size()); }, limits);
        stream.feed(c.text);
        stream.finish();
        EXPECT_EQ(lengths, c.lengths) << c.name;
    }
}

// A line without white space longer than the reach (minified JSON, "[1][1]…") is cut anyway, right
// after a quote, comma or closing bracket: every token stays whole, and the stream finds what the
// whole text does. Cut at the byte a piece on, tokens split into parts that nothing recognised.
TEST(ScanStream, CutsALongLineWithoutWhiteSpaceBetweenFields) {
    const Scanner scanner{ChainEngine{defaultDetectors(), 0.5, 12}};
    const ScanStream::Limits limits[] = {{64, 1024, 16}, {300, 4096}};
    std::string fields, brackets;
    for (int i = 0; i < 300; ++i)
        fields += fmt::format(R"("{}","8c6f1a2e-3b4d-4e5f-8a9b-{:012x}",)", 1700000000 + i, i * 7919);
    for (int i = 0; i < 3000; ++i)
        brackets += "[1]";
    for (const std::string& text : {fields, brackets}) {
        const std::vector<ScanFinding> whole = scanner.scan(text);
        ASSERT_GE(whole.size(), 600u);
        for (const ScanStream::Limits& limit : limits) {
            ASSERT_GT(text.size(), 2 * limit.reachBytes) << "the line fits a window";
            std::vector<ScanFinding> findings;
            ScanStream stream(
                scanner, [&](ScanFinding&& f) { findings.push_back(std::move(f)); }, limit);
            stream.feed(text, true);
            stream.finish();
            EXPECT_EQ(findings, whole) << text.substr(0, 8) << ", piece " << limit.pieceBytes;
        }
    }
}

// Renderings come from renderers on the workers, each given a run of a piece's findings in order,
// and are handed on in text order with their counts: joined, they are the whole text's findings
// rendered one after another. Counted from verdicts alone, they are as many.
TEST(ScanStream, HandsOnRenderingsInTextOrderOrCountsThem) {
    const Scanner scanner{ChainEngine{defaultDetectors(), 0.5, 12}};
    auto render = [](const ScanFinding& finding, std::string& into) {
        into += fmt::format("{} {} {} {}\n", finding.line, finding.offset, finding.matchedText(),
                            finding.chain->steps.front().summary);
    };
    std::mt19937 random(11);
    for (int round = 0; round < 6; ++round) {
        std::string text = Text::sanitizeUTF8(randomText(random, 3000, round % 3 != 0));
        std::string expected;
        std::vector<ScanFinding> whole = scanner.scan(text);
        for (const ScanFinding& finding : whole)
            render(finding, expected);
        for (const ScanStream::Limits& limit : {ScanStream::Limits{64, 1024}, ScanStream::Limits{2000, 8192},
                                                ScanStream::Limits{30000, 65536}}) {
            std::string rendered;
            std::size_t count = 0;
            std::atomic<bool> outOfOrder = false;
            RenderedFindings output{
                [&] {
                    return FindingRenderer(
                        [&, last = std::size_t{0}](const ScanFinding& finding, std::string& into) mutable {
                            outOfOrder = outOfOrder || finding.offset < last;
                            last = finding.offset;
                            render(finding, into);
                        });
                },
                [&](std::string_view part, std::size_t findings) {
                    rendered += part;
                    count += findings;
                }};
            ScanStream stream(scanner, output, limit);
            feedRandomly(stream, text, limit, round % 2 == 1, random);
            EXPECT_EQ(rendered, expected) << "round " << round << ", piece " << limit.pieceBytes;
            EXPECT_EQ(count, whole.size());
            EXPECT_FALSE(outOfOrder);

            std::size_t counted = 0;
            ScanStream counting(scanner, CountedFindings{[&](std::size_t findings) { counted += findings; }},
                                limit);
            feedRandomly(counting, text, limit, round % 2 == 1, random);
            EXPECT_EQ(counted, whole.size()) << "round " << round << ", piece " << limit.pieceBytes;
        }
    }
}
