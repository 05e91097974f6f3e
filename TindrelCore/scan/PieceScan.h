#pragma once

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/CandidatePatterns.h"
#include "TindrelCore/scan/Scanner.h"

#include <cstddef>
#include <vector>

namespace tindrel {

// The matches of the line-spanning patterns that lie wholly inside one piece, in piece positions.
// They are found over more text than the piece, since their ends may lie lines away.
struct SpanningMatches {
    std::vector<TextSpan> pemBlocks;
    std::vector<TextSpan> jsonSpans;

    // The spans of the sorted lists that begin at or after `begin` and end by `end`, made relative
    // to `begin`.
    static SpanningMatches within(const std::vector<TextSpan>& pemBlocks,
                                  const std::vector<TextSpan>& jsonSpans, std::size_t begin, std::size_t end);
};

// Where a piece stands in the whole text: the line on which it begins and its byte position.
struct PiecePlace {
    std::size_t line;
    std::size_t offset;
};

// Scans one piece of a text and hands its findings to `each` in text order, their lines and
// offsets counted on from `place`. The piece must begin and end where no match of the other
// patterns, no character and no word runs across.
void scanPiece(const ScanText& piece, SpanningMatches spanning, PiecePlace place, const ChainEngine& engine,
               const FindingSink& each);

} // namespace tindrel
