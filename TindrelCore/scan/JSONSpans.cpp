#include "TindrelCore/scan/JSONSpans.h"

#include "TindrelCore/scan/BracketEvents.h"
#include "TindrelCore/text/LiteralSearch.h"

namespace tindrel::JSONSpans {
namespace {

std::size_t nextOpenerByte(std::string_view text, std::size_t pos) {
    return findAnyByte<'{', '['>(text, pos);
}

} // namespace

std::size_t nextOpener(const ScanText& text, std::size_t pos) {
    pos = nextOpenerByte(text.text(), pos);
    while (pos < text.size() && !text.isASCII() && !text.isStandalone(pos))
        pos = nextOpenerByte(text.text(), pos + 1);
    return pos;
}

std::optional<std::size_t> balancedEnd(const ScanText& text, std::size_t open) {
    TextEvents events(text);
    return BracketEvents::balancedEnd(text, events, open);
}

std::vector<TextSpan> find(const ScanText& text) {
    std::vector<TextSpan> spans;
    forEach(text, [&spans](const TextSpan& span) { spans.push_back(span); });
    return spans;
}

std::vector<TextSpan> ofPart(const ScanText& whole, const SpanSet& wholeSpans, std::size_t begin,
                             std::size_t end) {
    const ScanText part(whole, begin, end);
    const std::optional<TextSpan> held = wholeSpans.holding(begin);
    // The whole text's spans after the one that holds the part's beginning, if any.
    const std::size_t heldTo = held ? std::min(held->end, end) - begin : 0;
    const std::vector<TextSpan> listed = wholeSpans.within(begin + heldTo, end);
    auto placed = [heldTo](const TextSpan& span) { return TextSpan{span.begin + heldTo, span.end + heldTo}; };
    std::vector<TextSpan> spans;
    spans.reserve(listed.size());
    auto keep = [&spans](const TextSpan& span) { spans.push_back(span); };
    // Both walks come to a bracket that no span of the whole text holds strictly inside.
    std::size_t next = 0; // the first listed span that ends after the bracket asked about
    auto bothComeTo = [&](std::size_t pos) {
        if (pos < heldTo) return false;
        while (next < listed.size() && placed(listed[next]).end <= pos)
            ++next;
        return next == listed.size() || placed(listed[next]).begin >= pos;
    };
    if (walk(part, 0, part.size(), keep, bothComeTo) == part.size()) return spans;
    for (; next < listed.size(); ++next) {
        const TextSpan span = placed(listed[next]);
        if (span.end > part.size()) {
            // The part's walk finds no end for this bracket, passes it and goes on inside.
            walk(part, span.begin + 1, part.size(), keep, neverStops);
            break;
        }
        spans.push_back(span);
    }
    return spans;
}

std::optional<std::size_t> firstUnclosed(const ScanText& text) {
    for (std::size_t pos = nextOpener(text, 0); pos < text.size(); pos = nextOpener(text, pos)) {
        std::optional<std::size_t> end = balancedEnd(text, pos);
        if (!end) return pos;
        pos = *end + 1;
    }
    return std::nullopt;
}

} // namespace tindrel::JSONSpans
