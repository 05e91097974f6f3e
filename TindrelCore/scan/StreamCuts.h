#pragma once

#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/scan/SpanSet.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tindrel {

// The places where a text may be cut into pieces that scan to the findings of the whole text:
// right after
// - a line feed;
// - other ASCII white space, unless the next character joins it into one user-perceived character
//   (a carriage return before a line feed, a space before a combining mark);
// - an ASCII control character, when no "=" came since the last white space.
// White space ends every match of the single-line patterns. A control character can only sit in a
// query-string value, which begins after an "=" and ends at white space, so without an "=" no
// match runs over it. None of these bytes is a word character or joins the character after it,
// so characters and words end there as they do at a line feed. Places inside a match of a
// line-spanning pattern are passed over.
class StreamCuts {
public:
    // `pemBlocks`: the PEM blocks of the text, sorted by begin; its JSON spans are found here.
    // When `textEnds`, the text's end is the end of everything and a cut; otherwise more text
    // follows, and no cut falls where the next character is still unseen, but right after a line feed.
    // No cut is asked for past `asked`, so the line-spanning matches that begin after it are
    // neither needed nor looked for; `pemBlocks` may leave them out too.
    StreamCuts(const ScanText& text, const std::vector<TextSpan>& pemBlocks, bool textEnds,
               std::size_t asked = std::string_view::npos);

    // Where a piece that begins at `begin` (a cut, or the start of the text) and should end near
    // `target` ends: the first cut at or after `target`, or else the last cut after `begin` and
    // before it, or nothing. No cut is looked for past `limit`, nor more than `overrun` past
    // `target`, unless that bound falls inside a line-spanning match longer than `overrun`: then
    // the search runs on to `overrun` past its end. So a stretch without cuts is cut anyway once it
    // would carry the piece that far, while a line-spanning match within `limit` stays whole (a
    // shorter one that holds the bound is left to the next piece, which begins at a cut before it).
    // Only the bytes after `begin` are read, most of them not at all.
    std::optional<std::size_t> pick(std::size_t begin, std::size_t target, std::size_t overrun,
                                    std::size_t limit) const;

    // The JSON spans found.
    SpanSet takeJSONSpans() { return std::move(jsonSpans_); }

private:
    struct Bound {
        std::size_t to;      // where the search stops, unless inside a long line-spanning match
        std::size_t overrun; // how far past such a match's end it may then go
        std::size_t limit;   // where it stops in any case
    };

    // The first cut in (from, bound], reading the bytes from `from` on; `sawEquals`: an "=" came
    // after the last white space before `from`.
    std::optional<std::size_t> firstCut(std::size_t from, bool sawEquals, Bound bound) const;
    std::size_t carriedTo(const Bound& bound) const;
    bool sawEqualsBefore(std::size_t pos, std::size_t floor) const;
    bool endsCharacter(unsigned char separator, std::size_t pos) const;
    void markInside(const TextSpan& span);
    // Strictly between the ends of a line-spanning match.
    bool isInside(std::size_t pos) const {
        return pos < text_.size() && (inside_[pos / 64] >> (pos % 64) & 1) != 0;
    }
    // The first position at or after `pos` that no line-spanning match holds strictly inside.
    std::size_t outsideFrom(std::size_t pos) const;
    // The last position at or before `pos` that no line-spanning match holds strictly inside.
    std::size_t outsideBefore(std::size_t pos) const;

    const ScanText& text_;
    // One bit per position: set where the position lies strictly inside a PEM block or JSON span.
    // A bit a byte keeps span-dense text cheap, where a list of spans would cost more than the text.
    std::vector<std::uint64_t> inside_;
    SpanSet jsonSpans_;
    bool textEnds_;
};

} // namespace tindrel
