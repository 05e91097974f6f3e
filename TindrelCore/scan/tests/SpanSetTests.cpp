#include "TindrelCore/scan/SpanSet.h"

#include <gtest/gtest.h>
#include <random>

using namespace tindrel;

namespace {

// Sorted spans of two bytes or more that do not overlap, some touching, over a text of `size` bytes.
std::vector<TextSpan> randomSpans(std::mt19937& random, std::size_t size, std::size_t meanGap) {
    std::vector<TextSpan> spans;
    std::uniform_int_distribution<std::size_t> gap(0, 2 * meanGap), length(2, 9);
    for (std::size_t pos = gap(random); pos < size;) {
        std::size_t end = pos + length(random);
        if (end > size) break;
        spans.push_back({pos, end});
        pos = end + gap(random);
    }
    return spans;
}

// The span that holds `pos` past its first byte.
std::optional<TextSpan> holding(const std::vector<TextSpan>& spans, std::size_t pos) {
    for (const TextSpan& span : spans)
        if (span.begin < pos && pos < span.end) return span;
    return std::nullopt;
}

// `pos`, or the end of the span that holds it: pieces begin where no span runs across.
std::size_t outsideSpans(const std::vector<TextSpan>& spans, std::size_t pos) {
    std::optional<TextSpan> held = holding(spans, pos);
    return held ? held->end : pos;
}

} // namespace

// Held as a list or as bits, the set answers as the sorted list does, at every kind of edge: the
// spans within a stretch, in a list sized at once, and the span that holds a position.
TEST(SpanSet, AnswersAsTheListWhetherFewOrDense) {
    std::mt19937 random(128);
    for (std::size_t meanGap : {0, 1, 3, 60, 200, 5000})
        for (std::size_t size : {1, 63, 64, 65, 1000, 4099}) {
            std::vector<TextSpan> spans = randomSpans(random, size, meanGap);
            SpanSet set(size);
            for (const TextSpan& span : spans)
                set.add(span);
            EXPECT_EQ(set.dense(), spans.size() > size / 128) << meanGap << " " << size;
            std::uniform_int_distribution<std::size_t> at(0, size + 2);
            for (int ask = 0; ask < 40; ++ask) {
                std::size_t begin = at(random), end = at(random);
                if (ask == 0) begin = 0, end = size;
                if (begin > end) std::swap(begin, end);
                EXPECT_EQ(set.holding(begin), holding(spans, begin)) << "gap " << meanGap << ", at " << begin;
                begin = outsideSpans(spans, begin);
                const std::vector<TextSpan> within = set.within(begin, end);
                EXPECT_EQ(within, spansWithin(spans, begin, end))
                    << "gap " << meanGap << ", size " << size << ", [" << begin << ", " << end << ")";
                EXPECT_EQ(within.capacity(), within.size()) << "sized at once, without room to spare";
            }
        }
}
