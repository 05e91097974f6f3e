#include "TindrelCore/scan/StreamCuts.h"

#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/text/ByteBlocks.h"

#include <algorithm>
#include <bit>
#include <utf8proc.h>

namespace tindrel {
namespace {

bool isASCIIWhitespace(unsigned char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

bool isASCIIControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

bool mayPlaceACut(unsigned char byte) {
    return isASCIIWhitespace(byte) || isASCIIControl(byte) || byte == '=';
}

// The first position in [pos, end) whose byte is ASCII white space, a control character or "=",
// or `end`: no other byte places or blocks a cut, and most bytes are passed sixteen at a time.
std::size_t nextSeparatorOrEquals(std::string_view text, std::size_t pos, std::size_t end) {
    using namespace ByteBlocks;
    for (; pos + size <= end; pos += size) {
        const Block bytes = load(text.data() + pos);
        const std::uint32_t found =
            bitsOf((bytes <= every(' ')) | (bytes == every(0x7F)) | (bytes == every('=')));
        if (found != 0) return pos + static_cast<std::size_t>(std::countr_zero(found));
    }
    while (pos < end && !mayPlaceACut(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

} // namespace

StreamCuts::StreamCuts(const ScanText& text, const std::vector<TextSpan>& pemBlocks, bool textEnds,
                       std::size_t asked)
    : text_(text)
    , inside_(text.size() / 64 + 1, 0)
    , jsonSpans_(text.size())
    , textEnds_(textEnds) {
    for (const TextSpan& block : pemBlocks)
        markInside(block);
    JSONSpans::forEach(
        text,
        [this](const TextSpan& span) {
            markInside(span);
            jsonSpans_.add(span);
        },
        asked);
}

void StreamCuts::markInside(const TextSpan& span) {
    for (std::size_t pos = span.begin + 1; pos < span.end;) {
        std::size_t bit = pos % 64;
        std::size_t count = std::min<std::size_t>(64 - bit, span.end - pos);
        std::uint64_t bits = count == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << count) - 1) << bit;
        inside_[pos / 64] |= bits;
        pos += count;
    }
}

std::size_t StreamCuts::outsideFrom(std::size_t pos) const {
    while (pos < text_.size()) {
        std::uint64_t outside = ~inside_[pos / 64] >> (pos % 64);
        if (outside != 0)
            return std::min(text_.size(), pos + static_cast<std::size_t>(std::countr_zero(outside)));
        pos += 64 - pos % 64;
    }
    return text_.size();
}

std::size_t StreamCuts::outsideBefore(std::size_t pos) const {
    for (;;) {
        std::size_t bit = pos % 64;
        std::uint64_t outside = ~inside_[pos / 64] << (63 - bit);
        if (outside != 0) return pos - static_cast<std::size_t>(std::countl_zero(outside));
        pos -= bit + 1;
    }
}

// Where a search that reached `bound.to` stops: there, unless a line-spanning match longer than the
// overrun holds that place; then an overrun past the match's end.
std::size_t StreamCuts::carriedTo(const Bound& bound) const {
    if (bound.to >= bound.limit || !isInside(bound.to)) return bound.to;
    std::size_t matchEnd = outsideFrom(bound.to);
    if (matchEnd - outsideBefore(bound.to) <= bound.overrun) return bound.to;
    return std::min(bound.limit, matchEnd + bound.overrun);
}

// Right after a cut no "=" has come since white space: the cut follows white space, or a control
// character that only counts when none has.
std::optional<std::size_t> StreamCuts::pick(std::size_t begin, std::size_t target, std::size_t overrun,
                                            std::size_t limit) const {
    if (target <= limit)
        if (std::optional<std::size_t> cut = firstCut(target - 1, sawEqualsBefore(target - 1, begin),
                                                      {std::min(limit, target + overrun), overrun, limit}))
            return cut;
    Bound beforeTarget{std::min(limit, target - 1), 0, 0};
    // The end of a text that ends is its last cut: the piece takes the rest, found without walking
    // the cuts on the way.
    if (textEnds_ && begin < text_.size() && beforeTarget.to >= text_.size()) return text_.size();
    std::optional<std::size_t> last;
    for (std::optional<std::size_t> cut = firstCut(begin, false, beforeTarget); cut;
         cut = firstCut(*cut, false, beforeTarget))
        last = cut;
    return last;
}

std::optional<std::size_t> StreamCuts::firstCut(std::size_t from, bool sawEquals, Bound bound) const {
    for (std::size_t pos = from;;) {
        if (pos == bound.to) bound.to = carriedTo(bound);
        const std::size_t end = std::min(bound.to, text_.size());
        if (pos >= end) break;
        pos = nextSeparatorOrEquals(text_.text(), pos, end);
        if (pos == end) continue; // at the bound, which may carry the search on
        const unsigned char byte = text_.byte(pos++);
        if (byte == '=') {
            sawEquals = true;
            continue;
        }
        const bool space = isASCIIWhitespace(byte);
        const bool mayCut = space || !sawEquals;
        if (space) sawEquals = false;
        if (mayCut && endsCharacter(byte, pos) && !isInside(pos)) return pos;
    }
    if (textEnds_ && from < text_.size() && bound.to >= text_.size()) return text_.size();
    return std::nullopt;
}

// The last byte before `pos`, and at or after `floor`, that is ASCII white space or "=" tells. A line
// without white space is looked through to its beginning, sixteen bytes at a time.
bool StreamCuts::sawEqualsBefore(std::size_t pos, std::size_t floor) const {
    using namespace ByteBlocks;
    const std::string_view text = text_.text();
    for (; pos - floor >= size; pos -= size) {
        const Block bytes = load(text.data() + pos - size);
        const std::uint32_t found =
            bitsOf((bytes == every(' ')) | inRange(bytes, '\t', '\r') | (bytes == every('=')));
        if (found != 0) return text[pos - size + static_cast<std::size_t>(std::bit_width(found)) - 1] == '=';
    }
    for (; pos > floor; --pos) {
        const unsigned char byte = text_.byte(pos - 1);
        if (byte == '=') return true;
        if (isASCIIWhitespace(byte)) return false;
    }
    return false;
}

// Nothing joins a line feed to what follows it, so the text may end right after one; other
// separators wait for the character after them.
bool StreamCuts::endsCharacter(unsigned char separator, std::size_t pos) const {
    if (separator == '\n') return true;
    if (pos >= text_.size()) return false;
    if (!isASCIIWhitespace(separator)) return true; // a control ends its character
    unsigned char next = text_.byte(pos);
    if (next < 0x80) return !(separator == '\r' && next == '\n');
    return utf8proc_grapheme_break(separator, static_cast<utf8proc_int32_t>(text_.scalarAt(pos).value));
}

} // namespace tindrel
