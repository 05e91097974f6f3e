#pragma once

#include "TindrelCore/scan/ScanMatchers.h"
#include "TindrelCore/scan/ScanText.h"

#include <array>
#include <optional>
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

// Whether a match of the pattern can run over a line feed. Matches of the other patterns stay
// within one line, and a line feed always ends a character and a word.
constexpr bool spansLines(CandidatePattern pattern) {
    return pattern == CandidatePattern::pemBlock || pattern == CandidatePattern::jsonSpan;
}

// The matches of the patterns in one text. The run patterns that begin on a word boundary are all
// found in one walk over the text, the first time one of them is asked for.
class PatternMatches {
public:
    explicit PatternMatches(const ScanText& text)
        : text_(text) {}

    // Every match of the pattern, left to right; they never overlap one another. They are handed
    // over: ask for each pattern once.
    std::vector<TextSpan> take(CandidatePattern pattern);
    // The matches of a line-spanning pattern, already found: `take` hands them over.
    void supply(CandidatePattern pattern, std::vector<TextSpan> matches);

private:
    ScanMatchers::WordMatches& words();

    const ScanText& text_;
    std::optional<ScanMatchers::WordMatches> words_;
    std::optional<std::vector<TextSpan>> pemBlocks_;
    std::optional<std::vector<TextSpan>> jsonSpans_;
};

// Every match of the pattern, left to right; they never overlap one another.
inline std::vector<TextSpan> findMatches(const ScanText& text, CandidatePattern pattern) {
    return PatternMatches(text).take(pattern);
}
// The matches minus those that would split a user-perceived character.
std::vector<TextSpan> wholeCharacterSpans(const ScanText& text, std::vector<TextSpan> matches);

// The pattern's candidates: its matches on whole characters.
inline std::vector<TextSpan> findCandidates(const ScanText& text, CandidatePattern pattern) {
    return wholeCharacterSpans(text, findMatches(text, pattern));
}

} // namespace tindrel
