#pragma once

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/scan/Scanner.h"

#include <cstddef>

namespace tindrel {

// Where a piece stands in the whole text: the line on which it begins and its byte position.
struct PiecePlace {
    std::size_t line;
    std::size_t offset;
};

// Scans one piece of a text and hands its findings to `each` in text order, their lines and
// offsets counted on from `place`. The piece must begin and end where no match of any pattern, no
// character and no word runs across: its own matches are then those of the whole text, the
// line-spanning ones included, which are found over more text only to place such cuts.
void scanPiece(const ScanText& piece, PiecePlace place, const ChainEngine& engine, const FindingSink& each);

} // namespace tindrel
