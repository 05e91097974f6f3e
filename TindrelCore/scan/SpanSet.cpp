#include "TindrelCore/scan/SpanSet.h"

#include <algorithm>
#include <bit>

namespace tindrel {
namespace {

constexpr std::size_t wordBits = SpanSet::wordBits;

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

// The number of set bits in [pos, end).
std::size_t countSet(const std::vector<std::uint64_t>& bits, std::size_t pos, std::size_t end) {
    std::size_t count = 0;
    while (pos < end) {
        const std::size_t upTo = std::min(end, pos - pos % wordBits + wordBits);
        const std::uint64_t from = ~std::uint64_t{0} << (pos % wordBits);
        const std::uint64_t below =
            upTo % wordBits == 0 ? ~std::uint64_t{0} : (std::uint64_t{1} << (upTo % wordBits)) - 1;
        count += static_cast<std::size_t>(std::popcount(bits[pos / wordBits] & from & below));
        pos = upTo;
    }
    return count;
}

// The last set bit before `pos`; there is one.
std::size_t previousSet(const std::vector<std::uint64_t>& bits, std::size_t pos) {
    std::size_t word = (pos - 1) / wordBits;
    std::uint64_t below = bits[word] & (~std::uint64_t{0} >> (wordBits - 1 - (pos - 1) % wordBits));
    while (below == 0)
        below = bits[--word];
    return word * wordBits + wordBits - 1 - static_cast<std::size_t>(std::countl_zero(below));
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

void SpanSet::addWhileListed(const TextSpan& span) {
    if (listed_.size() < textSize_ / bytesPerListedSpan) {
        listed_.push_back(span);
        return;
    }
    marks_.assign(textSize_ / wordBits + 1, 0);
    for (const TextSpan& listed : listed_)
        setBits(listed);
    listed_ = {};
    setBits(span);
}

// A span never runs over `begin` (the start of a piece), so the marks from there on come in
// pairs: a begin, then that span's last byte.
std::vector<TextSpan> SpanSet::within(std::size_t begin, std::size_t end) const {
    if (!dense()) return spansWithin(listed_, begin, end);
    const std::size_t size = marks_.size() * wordBits;
    end = std::min(end, size);
    std::vector<TextSpan> spans;
    // Sized at once: a crowded piece holds a million spans, and growing by doubling would copy
    // them and touch twice their memory.
    spans.reserve((countSet(marks_, begin, end) + 1) / 2);
    for (std::size_t first = nextSet(marks_, begin, end); first < end;) {
        std::size_t last = nextSet(marks_, first + 1, size);
        spans.push_back({first - begin, last + 1 - begin});
        first = nextSet(marks_, last + 1, end);
    }
    return spans;
}

// Marks alternate begin and last byte from the start of the text, so an odd count of them before
// `pos` means the last one was a begin whose span has not ended.
std::optional<TextSpan> SpanSet::holding(std::size_t pos) const {
    if (!dense()) {
        auto after = std::upper_bound(listed_.begin(), listed_.end(), pos,
                                      [](std::size_t at, const TextSpan& span) { return at <= span.begin; });
        if (after == listed_.begin() || std::prev(after)->end <= pos) return std::nullopt;
        return *std::prev(after);
    }
    const std::size_t size = marks_.size() * wordBits;
    if (pos >= size || countSet(marks_, 0, pos) % 2 == 0) return std::nullopt;
    return TextSpan{previousSet(marks_, pos), nextSet(marks_, pos, size) + 1};
}

} // namespace tindrel
