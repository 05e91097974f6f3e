#include "TindrelCore/scan/StreamCuts.h"

#include <algorithm>
#include <utf8proc.h>

namespace tindrel {
namespace {

bool isASCIIWhitespace(unsigned char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

bool isASCIIControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

bool holdsCutPlace(const ScanText& text, const TextSpan& span) {
    for (std::size_t pos = span.begin; pos < span.end; ++pos)
        if (isASCIIWhitespace(text.byte(pos)) || isASCIIControl(text.byte(pos))) return true;
    return false;
}

} // namespace

StreamCuts::StreamCuts(const ScanText& text, const std::vector<TextSpan>& pemBlocks,
                       const std::vector<TextSpan>& jsonSpans, bool textEnds)
    : text_(text)
    , textEnds_(textEnds) {
    auto pem = pemBlocks.begin();
    auto json = jsonSpans.begin();
    while (pem != pemBlocks.end() || json != jsonSpans.end()) {
        bool pemFirst = json == jsonSpans.end() || (pem != pemBlocks.end() && pem->begin < json->begin);
        const TextSpan& span = pemFirst ? *pem++ : *json++;
        if (!holdsCutPlace(text, span)) continue;
        begins_.push_back(span.begin);
        reaches_.push_back(std::max(span.end, reaches_.empty() ? 0 : reaches_.back()));
    }
}

// Right after a cut no "=" has come since white space: the cut follows white space, or a control
// character that only counts when none has.
std::optional<std::size_t> StreamCuts::pick(std::size_t begin, std::size_t target, std::size_t limit) const {
    if (target <= limit)
        if (std::optional<std::size_t> cut =
                firstCut(target - 1, sawEqualsBefore(target - 1, begin), limit, begin))
            return cut;
    std::size_t to = std::min(limit, target - 1);
    std::optional<std::size_t> last;
    for (std::optional<std::size_t> cut = firstCut(begin, false, to, begin); cut;
         cut = firstCut(*cut, false, to, begin))
        last = cut;
    return last;
}

std::optional<std::size_t> StreamCuts::firstCut(std::size_t from, bool sawEquals, std::size_t to,
                                                std::size_t floor) const {
    std::size_t end = std::min(to, text_.size());
    for (std::size_t pos = from; pos < end; ++pos) {
        unsigned char byte = text_.byte(pos);
        if (byte == '=') sawEquals = true;
        bool space = isASCIIWhitespace(byte);
        if (!space && !isASCIIControl(byte)) continue;
        bool mayCut = space || !sawEquals;
        if (space) sawEquals = false;
        std::size_t cut = pos + 1;
        if (!mayCut || !endsCharacter(byte, cut)) continue;
        std::size_t reach = spanningReach(cut);
        if (reach <= cut) return cut;
        // Inside a line-spanning match, which ends on a bracket or a dash: read on after it.
        pos = reach - 1;
        sawEquals = sawEqualsBefore(reach, floor);
    }
    if (textEnds_ && from < text_.size() && to >= text_.size()) return text_.size();
    return std::nullopt;
}

bool StreamCuts::sawEqualsBefore(std::size_t pos, std::size_t floor) const {
    for (; pos > floor; --pos) {
        unsigned char byte = text_.byte(pos - 1);
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

std::size_t StreamCuts::spanningReach(std::size_t pos) const {
    auto before = std::lower_bound(begins_.begin(), begins_.end(), pos) - begins_.begin();
    return before == 0 ? 0 : reaches_[static_cast<std::size_t>(before - 1)];
}

} // namespace tindrel
