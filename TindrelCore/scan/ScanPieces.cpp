#include "TindrelCore/scan/ScanPieces.h"

#include "TindrelCore/scan/CandidatePatterns.h"

#include <algorithm>
#include <iterator>

namespace tindrel {

ScanPieces::ScanPieces(const ScanText& whole, std::size_t pieceBytes)
    : whole_(whole)
    , pieceBytes_(std::max<std::size_t>(pieceBytes, 1)) {
    std::vector<TextSpan> pemBlocks = findMatches(whole, CandidatePattern::pemBlock);
    std::vector<TextSpan> jsonSpans = findMatches(whole, CandidatePattern::jsonSpan);
    spanning_.reserve(pemBlocks.size() + jsonSpans.size());
    std::merge(pemBlocks.begin(), pemBlocks.end(), jsonSpans.begin(), jsonSpans.end(),
               std::back_inserter(spanning_),
               [](const TextSpan& a, const TextSpan& b) { return a.begin < b.begin; });
}

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
        for (; passed_ < spanning_.size() && spanning_[passed_].begin < cut; ++passed_)
            reach_ = std::max(reach_, spanning_[passed_].end);
        if (reach_ <= cut) return cut;
        target = reach_; // a match runs over the cut: the piece takes all of it
    }
}

} // namespace tindrel
