#include "TindrelCore/scan/SpanSet.h"

#include <algorithm>
#include <bit>

namespace tindrel {
namespace {

constexpr std::size_t wordBits = 64;
constexpr std::size_t bytesPerListedSpan = 128;

// The first set bit at or after `pos` and before `end`, or `end`.
std::size_t nextSet(const std::vector<std::uint64_t>& bits, std::size_t pos, std::size_t end) {
    while (pos < end) {
        std::uint64_t word = bits[pos / wordBits] >> (pos % wordBits);
        if (word != 0) return std::min(end, pos + static_cast<std::size_t>(std::countr_zero(word)));
        pos += wordBits - pos % wordBits;
    }
    return end;
}

} // namespace

std::vector<TextSpan> spansWithin(const std::vector<TextSpan>& spans, std::size_t begin, std::size_t end) {
    auto beginsBefore = [](const TextSpan& span, std::size_t pos) { return span.begin < pos; };
    auto first = std::lower_bound(spans.begin(), spans.end(), begin, beginsBefore);
    auto last = std::lower_bound(first, spans.end(), end, beginsBefore);
    std::vector<TextSpan> placed;
    placed.reserve(static_cast<std::size_t>(last - first));
    for (auto span = first; span != last; ++span)
        placed.push_back({span->begin - begin, span->end - begin});
    return placed;
}

void SpanSet::add(const TextSpan& span) {
    if (dense()) {
        setBits(span);
        return;
    }
    if (listed_.size() < textSize_ / bytesPerListedSpan) {
        listed_.push_back(span);
        return;
    }
    begins_.assign(textSize_ / wordBits + 1, 0);
    lasts_.assign(textSize_ / wordBits + 1, 0);
    for (const TextSpan& listed : listed_)
        setBits(listed);
    listed_ = {};
    setBits(span);
}

void SpanSet::setBits(const TextSpan& span) {
    begins_[span.begin / wordBits] |= std::uint64_t{1} << (span.begin % wordBits);
    const std::size_t last = span.end - 1;
    lasts_[last / wordBits] |= std::uint64_t{1} << (last % wordBits);
}

// Spans neither overlap nor are empty, so the first last byte at or after a span's begin is its own.
std::vector<TextSpan> SpanSet::within(std::size_t begin, std::size_t end) const {
    if (!dense()) return spansWithin(listed_, begin, end);
    const std::size_t size = begins_.size() * wordBits;
    end = std::min(end, size);
    std::vector<TextSpan> spans;
    for (std::size_t first = nextSet(begins_, begin, end); first < end;
         first = nextSet(begins_, first + 1, end))
        spans.push_back({first - begin, nextSet(lasts_, first, size) + 1 - begin});
    return spans;
}

} // namespace tindrel
