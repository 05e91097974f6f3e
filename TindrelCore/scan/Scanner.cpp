#include "TindrelCore/scan/Scanner.h"

#include "TindrelCore/scan/PieceScan.h"
#include "TindrelCore/scan/ScanPieces.h"
#include "TindrelCore/text/ByteBlocks.h"

#include <algorithm>

namespace tindrel {

std::optional<DetectionKind> ScanFinding::kind() const {
    if (!chain || chain->steps.empty()) return std::nullopt;
    return chain->steps.front().kind;
}

bool ScanFinding::operator==(const ScanFinding& other) const {
    auto sameChain = [&] { return chain && other.chain ? *chain == *other.chain : chain == other.chain; };
    return line == other.line && offset == other.offset && sameChain();
}

std::vector<ScanFinding> Scanner::scan(std::string_view text) const {
    std::vector<ScanFinding> findings;
    scan(text, [&findings](ScanFinding&& finding) { findings.push_back(std::move(finding)); });
    return findings;
}

void Scanner::scan(std::string_view text, const FindingSink& each, std::size_t piece) const {
    ScanText whole(text);
    ScanPieces cuts(whole, piece);
    std::vector<Piece> pieces;
    std::size_t line = 1;
    for (std::size_t begin = 0, end = 0; begin < text.size(); begin = end) {
        end = cuts.endOf(begin);
        pieces.push_back({begin, end, {line, begin}, false});
        line += ByteBlocks::countOf(text.substr(begin, end - begin), '\n');
    }
    const SpanningMatches spanning = std::move(cuts).takeSpanning();
    scanPieces(whole, pieces, engine, each, &spanning);
}

} // namespace tindrel
