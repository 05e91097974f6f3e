#pragma once

#include "TindrelCore/scan/ScanText.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace tindrel {

// The spans of a sorted list that begin in [begin, end), placed relative to `begin`.
std::vector<TextSpan> spansWithin(const std::vector<TextSpan>& spans, std::size_t begin, std::size_t end);

// Sorted spans of a text, two bytes long or more, that do not overlap. A list holds them while they
// are few; once there are more than one for every 128 bytes, a bit a byte does instead, set where
// each span begins and on its last byte, so that a text dense with short spans ("[1][1]…") holds
// them in an eighth of its size, where a list would take several times the text.
class SpanSet {
public:
    SpanSet() = default;
    explicit SpanSet(std::size_t textSize)
        : textSize_(textSize) {}

    // Spans are added in text order. A text crowded with them adds millions, each marked in place.
    void add(const TextSpan& span) {
        if (dense())
            setBits(span);
        else
            addWhileListed(span);
    }
    // There are more than one for every 128 bytes of text.
    bool dense() const { return !marks_.empty(); }

    // Bits of a word of marks.
    static constexpr std::size_t wordBits = std::numeric_limits<std::uint64_t>::digits;

    // The spans that begin in [begin, end), placed relative to `begin`.
    std::vector<TextSpan> within(std::size_t begin, std::size_t end) const;
    // The span that holds `pos` strictly inside, past its first byte.
    std::optional<TextSpan> holding(std::size_t pos) const;

private:
    void addWhileListed(const TextSpan& span);
    void setBits(const TextSpan& span) {
        marks_[span.begin / wordBits] |= std::uint64_t{1} << (span.begin % wordBits);
        marks_[(span.end - 1) / wordBits] |= std::uint64_t{1} << ((span.end - 1) % wordBits);
    }

    std::size_t textSize_ = 0;
    std::vector<TextSpan> listed_; // while the spans are few
    // Begins and last bytes alternate, as no span is shorter than two bytes.
    std::vector<std::uint64_t> marks_;
};

} // namespace tindrel
