#include "TindrelCore/scan/ScanPieces.h"

#include "TindrelCore/scan/CandidatePatterns.h"

#include <algorithm>

namespace tindrel {

ScanPieces::ScanPieces(const ScanText& whole, std::size_t pieceBytes)
    : whole_(whole)
    , pieceBytes_(std::max<std::size_t>(pieceBytes, 1))
    , pemBlocks_(findMatches(whole, CandidatePattern::pemBlock))
    , jsonSpans_(findMatches(whole, CandidatePattern::jsonSpan)) {}

// The position after the first line feed at or after `target` - 1, so never before `target`.
std::size_t ScanPieces::lineEndFrom(std::size_t target) const {
    if (target >= whole_.size()) return whole_.size();
    std::size_t feed = whole_.text().find('\n', target - 1);
    return feed == std::string_view::npos ? whole_.size() : feed + 1;
}

std::size_t ScanPieces::endOf(std::size_t begin) {
    std::size_t target = whole_.size() - begin > pieceBytes_ ? begin + pieceBytes_ : whole_.size();
    for (;;) {
        std::size_t cut = lineEndFrom(target);
        pass(pemBlocks_, pemPassed_, cut);
        pass(jsonSpans_, jsonPassed_, cut);
        if (reach_ <= cut) return cut;
        target = reach_; // a match runs over the cut: the piece takes all of it
    }
}

void ScanPieces::pass(const std::vector<TextSpan>& matches, std::size_t& passed, std::size_t cut) {
    for (; passed < matches.size() && matches[passed].begin < cut; ++passed)
        reach_ = std::max(reach_, matches[passed].end);
}

SpanningMatches ScanPieces::takeSpanning() && {
    SpanSet json(whole_.size());
    for (const TextSpan& span : jsonSpans_)
        json.add(span);
    jsonSpans_ = {};
    return {std::move(pemBlocks_), std::move(json)};
}

} // namespace tindrel
