#pragma once

#include "TindrelCore/scan/ScanText.h"

#include <cstddef>
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
    // `pemBlocks` and `jsonSpans`: the line-spanning matches of the text, each list sorted by begin.
    // When `textEnds`, the text's end is the end of everything and a cut; otherwise more text
    // follows, and no cut falls where the next character is still unseen, but right after a line feed.
    StreamCuts(const ScanText& text, const std::vector<TextSpan>& pemBlocks,
               const std::vector<TextSpan>& jsonSpans, bool textEnds);

    // The first cut at or after `target` and by `limit`, or else the last cut after `begin` and by
    // `limit`, or nothing. `begin` must be a cut (or the start of the text): only the bytes after
    // it are read, most of them not at all.
    std::optional<std::size_t> pick(std::size_t begin, std::size_t target, std::size_t limit) const;

private:
    // The first cut in (from, to], reading the bytes from `from` on; `sawEquals`: an "=" came
    // after the last white space before `from`. Bytes before `floor` are never read.
    std::optional<std::size_t> firstCut(std::size_t from, bool sawEquals, std::size_t to,
                                        std::size_t floor) const;
    bool sawEqualsBefore(std::size_t pos, std::size_t floor) const;
    bool endsCharacter(unsigned char separator, std::size_t pos) const;
    // The furthest end among the line-spanning matches that begin before `pos`, or 0.
    std::size_t spanningReach(std::size_t pos) const;

    const ScanText& text_;
    // Of the line-spanning matches that hold a place where a cut could be, ascending: no cut can
    // fall inside the others (a JSON span without white space, the usual kind), so leaving them
    // out changes no answer and keeps span-dense text from costing memory here.
    std::vector<std::size_t> begins_;
    std::vector<std::size_t> reaches_; // the furthest end among the matches up to each
    bool textEnds_;
};

} // namespace tindrel
