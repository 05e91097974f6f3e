#pragma once

#include "TindrelCore/scan/PieceScan.h"
#include "TindrelCore/scan/ScanText.h"

#include <cstddef>
#include <vector>

namespace tindrel {

// Cuts a text for the scanner into pieces of about a given size that scan, one after another, to
// the same findings as the whole text: every piece ends right after a line feed or at the end of
// the text, and no match of a line-spanning pattern runs over a cut. Matches of the other patterns
// never hold a line feed, and a line feed ends every character and word, so no candidate, overlap
// or boundary test reaches from one piece into the next.
class ScanPieces {
public:
    // Finds the line-spanning matches of the whole text; `whole` must outlive the pieces.
    ScanPieces(const ScanText& whole, std::size_t pieceBytes);

    // The end of the piece that begins at `begin`. Pieces are asked for in text order, each
    // beginning where the one before ended.
    std::size_t endOf(std::size_t begin);
    // The line-spanning matches, once every piece is cut: each piece takes its own from them
    // instead of walking for them again.
    SpanningMatches takeSpanning() &&;

private:
    std::size_t lineEndFrom(std::size_t target) const;
    // Passes the matches of `matches` that begin before `cut`, from `passed` on.
    void pass(const std::vector<TextSpan>& matches, std::size_t& passed, std::size_t cut);

    const ScanText& whole_;
    std::size_t pieceBytes_;
    std::vector<TextSpan> pemBlocks_; // by begin, as the JSON spans
    std::vector<TextSpan> jsonSpans_;
    std::size_t pemPassed_ = 0;  // PEM blocks that begin before the last cut
    std::size_t jsonPassed_ = 0; // JSON spans that begin before it
    std::size_t reach_ = 0;      // the furthest end among them
};

} // namespace tindrel
