#pragma once

#include "TindrelCore/scan/BracketEvents.h"
#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/scan/SpanSet.h"
#include "TindrelCore/scan/UnclosedBrackets.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace tindrel::JSONSpans {

// Walking the text character by character, every "{" or "[" that has a balanced end gives the
// span up to and including that end, and the walk goes on after it. Brackets of either type close
// each other; brackets inside double-quoted strings (with backslash escapes) do not count.
std::vector<TextSpan> find(const ScanText& text);

// The position of the bracket that balances the opening bracket at `open`, if the text has one.
std::optional<std::size_t> balancedEnd(const ScanText& text, std::size_t open);

// The first opening bracket at or after `pos` that the walk reads as an event of its own.
std::size_t nextOpener(const ScanText& text, std::size_t pos);

// The events and opening brackets of any text, looked for from each position asked about.
class TextEvents {
public:
    explicit TextEvents(const ScanText& text)
        : text_(text) {}
    std::size_t next(std::size_t pos) const { return BracketEvents::next(text_, pos); }
    std::size_t nextOpener(std::size_t pos) const { return JSONSpans::nextOpener(text_, pos); }

private:
    const ScanText& text_;
};

// `walk` with the text's events found by `events`.
template <typename Events, typename Each, typename StopsAt>
std::size_t walkBy(const ScanText& text, Events& events, std::size_t pos, std::size_t stop, Each& each,
                   StopsAt& stopsAt) {
    std::optional<UnclosedBrackets> unclosed;
    for (pos = events.nextOpener(pos); pos < stop; pos = events.nextOpener(pos)) {
        if (stopsAt(pos)) return pos;
        if (unclosed && unclosed->contains(pos)) {
            ++pos;
            continue;
        }
        if (std::optional<std::size_t> end = BracketEvents::balancedEndOfEvent(text, events, pos)) {
            each(TextSpan{pos, *end + 1});
            pos = *end + 1;
            continue;
        }
        if (!unclosed) unclosed.emplace(text, pos);
        ++pos;
    }
    return stop;
}

// The walk of `find` from `pos`, a place where it stands between spans, handing each span to
// `each`, until it comes to `stop` or to an opening bracket that `stopsAt` accepts; answers where it
// stopped. A walk that finds its end costs the length of its span, which the outer walk then skips.
// Only walks that run off the end of the text could add up, so at the first of them every opening
// bracket still ahead is classified in one pass, and the doomed ones are passed over. Spans come by
// the hundred thousand in a text dense with them: the walk is written out where it is used, so
// that neither `each` nor `stopsAt` is a call, and in ASCII text it reads events from masks of
// whole blocks.
template <typename Each, typename StopsAt>
std::size_t walk(const ScanText& text, std::size_t pos, std::size_t stop, Each&& each, StopsAt&& stopsAt) {
    if (text.isASCII()) {
        BracketEvents::ASCIIEvents events(text.text());
        return walkBy(text, events, pos, stop, each, stopsAt);
    }
    TextEvents events(text);
    return walkBy(text, events, pos, stop, each, stopsAt);
}

// For a walk that goes on to its end.
inline constexpr auto neverStops = [](std::size_t) { return false; };

// The same spans as `find`, handed to `each` in text order instead of held; only those that begin
// before `beginBefore`, the walk stopping there.
template <typename Each>
void forEach(const ScanText& text, Each&& each, std::size_t beginBefore = std::string_view::npos) {
    walk(text, 0, std::min(text.size(), beginBefore), each, neverStops);
}

// The spans `find` gives for the part [begin, end) of an ASCII text, cut anywhere, from `spans`,
// those of the whole text: from the first opening bracket both walks come to, the part's walk
// takes the whole text's spans, up to one that runs across the part's end. Only the stretch inside
// a span that runs across its beginning (up to that first bracket) and the stretch inside one that
// runs across its end are walked again.
std::vector<TextSpan> ofPart(const ScanText& whole, const SpanSet& spans, std::size_t begin, std::size_t end);

// The first opening bracket the walk of `find` reaches and finds no balanced end for: where a span
// may begin that text after this one would close.
std::optional<std::size_t> firstUnclosed(const ScanText& text);

} // namespace tindrel::JSONSpans
