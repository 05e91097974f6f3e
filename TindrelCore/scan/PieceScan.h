#pragma once

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/scan/SpanSet.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tindrel {

// Where a piece stands in the whole text: the line on which it begins and its byte position.
struct PiecePlace {
    std::size_t line;
    std::size_t offset;
};

// A piece of a text: the bytes [begin, end) and where they stand in the whole text.
struct Piece {
    std::size_t begin;
    std::size_t end;
    PiecePlace place;
    // An end of the piece was cut where no safe place was found, which a match may run across.
    bool cutAnywhere;
};

// The matches of the line-spanning patterns in a text cut into pieces, found to place the cuts: a
// piece's own are those that begin in it. The JSON spans are not kept when no piece would take them.
struct SpanningMatches {
    std::vector<TextSpan> pemBlocks;
    std::optional<SpanSet> jsonSpans;
};

// Whether the piece takes its JSON spans from those found over the whole text, rather than walking
// for them itself.
bool takesTextJSONSpans(const ScanText& text, const Piece& part, const SpanSet& spans);

// Scans the pieces of `text`, a worker per core, and hands their findings to `each` on the calling
// thread in text order, their lines and offsets counted on from each piece's place. A piece must
// begin and end where no match of any pattern, no character and no word runs across: its own
// matches are then those of the whole text, the line-spanning ones included, which are found over
// more text only to place such cuts. What the work throws reaches the caller after the findings
// before it. `spanning`, when given, holds the line-spanning matches of every piece.
void scanPieces(const ScanText& text, const std::vector<Piece>& pieces, const ChainEngine& engine,
                const FindingSink& each, const SpanningMatches* spanning = nullptr);
// The same, each finding rendered by the worker that found it; the renderings go to `rendered.take`
// in text order, in parts.
void scanPieces(const ScanText& text, const std::vector<Piece>& pieces, const ChainEngine& engine,
                const RenderedFindings& rendered, const SpanningMatches* spanning = nullptr);
// The same findings counted, not handed on: a piece's count goes to `counted.take` in text order.
void scanPieces(const ScanText& text, const std::vector<Piece>& pieces, const ChainEngine& engine,
                const CountedFindings& counted, const SpanningMatches* spanning = nullptr);

} // namespace tindrel
