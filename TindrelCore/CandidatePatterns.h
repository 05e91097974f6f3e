#pragma once

#include "TindrelCore/ScanText.h"

#include <array>
#include <vector>

namespace tindrel {

// The kinds of span the scanner proposes, in priority order: an earlier pattern's accepted span
// wins over any later candidate that overlaps it.
enum class CandidatePattern {
    pemBlock,
    cryptHash,
    jwt,
    jsonSpan,
    uuid,
    queryString,
    base64Run,
    hexRun,
    millisecondTime,
    secondTime,
};

inline constexpr std::array<CandidatePattern, 10> candidatePatterns = {
    CandidatePattern::pemBlock,   CandidatePattern::cryptHash, CandidatePattern::jwt,
    CandidatePattern::jsonSpan,   CandidatePattern::uuid,      CandidatePattern::queryString,
    CandidatePattern::base64Run,  CandidatePattern::hexRun,    CandidatePattern::millisecondTime,
    CandidatePattern::secondTime,
};

// The pattern's candidates left to right; they never overlap one another. Matches that would
// split a user-perceived character are dropped.
std::vector<TextSpan> findCandidates(const ScanText& text, CandidatePattern pattern);

} // namespace tindrel
