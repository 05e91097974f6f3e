#include "TindrelCore/scan/BracketEvents.h"
#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/scan/UnclosedBrackets.h"
#include "TindrelCore/scan/tests/ScanReference.h"
#include "TindrelCore/tests/Fixtures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace tindrel;

namespace {

// Positions between user-perceived characters. Where they fall is checked against ICU's own
// iterator by the oracle tests (tests/oracle); here they only feed the walk.
std::vector<std::size_t> characterBoundaries(const std::string& text) {
    ScanText scanText(text);
    std::vector<std::size_t> boundaries;
    for (std::size_t pos = 0; pos <= text.size(); ++pos)
        if (scanText.isCharacterBoundary(pos)) boundaries.push_back(pos);
    return boundaries;
}

} // namespace

TEST(JSONSpans, AgreesWithTheRetryingWalk) {
    const std::vector<std::string> pieces = {"{", "}", "[",      "]",      "\"",   "\\",
                                             "a", " ", "\u0301", "\u00E9", "\r\n", "{\"k\":"};
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text = fixtures::randomJoin(random, pieces, 1 + static_cast<std::size_t>(round % 40));
        std::vector<TextSpan> expected = reference::jsonSpans(text, characterBoundaries(text));
        ASSERT_EQ(JSONSpans::find(ScanText(text)), expected) << text;
    }
}

TEST(JSONSpans, BalancedEndAndUnclosedAgreeForEveryOpeningBracket) {
    // Runs of brackets, with backslashes between, inside and outside strings.
    const std::vector<std::string> pieces = {"{", "}",   "[",    "]",    "\"",   "\\",
                                             "x", "{{{", "[\\[", "\\\"", "{{{{", "}}"};
    std::mt19937 random(11);
    for (int round = 0; round < 5000; ++round) {
        std::string text = fixtures::randomJoin(random, pieces, 10 + static_cast<std::size_t>(round % 60));
        std::vector<std::size_t> boundaries = characterBoundaries(text);
        ScanText scanText(text);
        UnclosedBrackets unclosed(scanText, 0);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '{' && text[i] != '[') continue;
            std::optional<std::size_t> expected = reference::balancedEnd(text, boundaries, i);
            ASSERT_EQ(JSONSpans::balancedEnd(scanText, i), expected) << text << " at " << i;
            ASSERT_EQ(unclosed.contains(i), !expected) << text << " at " << i;
        }
    }
}

// A part cut anywhere, even inside a span, a string or an escape, has the spans of its own walk,
// whether the whole text's spans are few (a list) or crowded (bits), and whether spans of the whole
// text run across either end of the part, both, or neither.
TEST(JSONSpans, APartCutAnywhereHasTheSpansOfItsOwnWalk) {
    struct Kind {
        std::vector<std::string> pieces;
        std::size_t padding; // plain bytes after each piece, so that spans are few
    };
    const std::vector<Kind> kinds = {
        {{"[1]", "{}", "[", "]", "\"", "\\", "x", "{\"a\":[1,2]}", "\"[\"", "\\\""}, 0},
        {{"[1]", "[[1]", "[1]]", "{", "}"}, 0},
        {{"[1]", "{", "}", "\"", "\\", "{\"k\":\"v\"}"}, 200},
    };
    std::mt19937 random(23);
    for (const Kind& kind : kinds)
        for (int round = 0; round < 400; ++round) {
            std::string text;
            for (std::size_t count = 1 + static_cast<std::size_t>(round % 120); count > 0; --count)
                text += fixtures::randomJoin(random, kind.pieces, 1) + std::string(kind.padding, 'x');
            const ScanText whole(text);
            SpanSet spans(text.size());
            for (const TextSpan& span : JSONSpans::find(whole))
                spans.add(span);
            std::uniform_int_distribution<std::size_t> at(0, text.size());
            for (int cut = 0; cut < 30; ++cut) {
                std::size_t begin = at(random), end = at(random);
                if (begin > end) std::swap(begin, end);
                ASSERT_EQ(JSONSpans::ofPart(whole, spans, begin, end),
                          JSONSpans::find(ScanText(whole, begin, end)))
                    << text << " [" << begin << ", " << end << ")" << (spans.dense() ? " dense" : "");
            }
        }
}

// The events and opening brackets read from masks of whole blocks are those found by searching
// from each position, asked for forwards, backwards and at random, in texts that end inside a
// block or on its edge.
TEST(JSONSpans, BlockEventsAgreeWithTheSearchFromEachPosition) {
    const std::vector<std::string> pieces = {"{", "}", "[", "]", "\"", "\\", "x", "yyyyyyyyyyyyyyyyyyyy",
                                             "\n"};
    std::mt19937 random(31);
    for (std::size_t size : {0, 1, 15, 16, 17, 31, 32, 33, 100, 257}) {
        std::string text = fixtures::randomJoin(random, pieces, size);
        text.resize(size, 'z');
        const ScanText scanText(text);
        BracketEvents::ASCIIEvents events(text);
        std::vector<std::size_t> asked(text.size() + 2);
        std::iota(asked.begin(), asked.end(), 0);
        for (int order = 0; order < 3; ++order) {
            if (order == 1) std::reverse(asked.begin(), asked.end());
            if (order == 2) std::shuffle(asked.begin(), asked.end(), random);
            for (std::size_t pos : asked) {
                ASSERT_EQ(events.next(pos), std::min(text.size(), BracketEvents::next(scanText, pos)))
                    << text << " at " << pos;
                ASSERT_EQ(events.nextOpener(pos), std::min(text.size(), JSONSpans::nextOpener(scanText, pos)))
                    << text << " at " << pos;
            }
        }
    }
}

// Long ASCII texts, their spans crossing many blocks, walk as the retrying reference does.
TEST(JSONSpans, LongASCIITextsAgreeWithTheRetryingWalk) {
    const std::vector<std::string> pieces = {
        "{", "}", "[", "]", "\"", "\\", "a", "  ", "{\"key\":\"value\"}", "[1]"};
    std::mt19937 random(37);
    for (int round = 0; round < 300; ++round) {
        std::string text = fixtures::randomJoin(random, pieces, 50 + static_cast<std::size_t>(round));
        ASSERT_EQ(JSONSpans::find(ScanText(text)), reference::jsonSpans(text, characterBoundaries(text)))
            << text;
    }
}
