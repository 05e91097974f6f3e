#include "TindrelCore/scan/CandidatePatterns.h"

#include "TindrelCore/scan/JSONSpans.h"

#include <algorithm>

namespace tindrel {

std::vector<TextSpan> PatternMatches::take(CandidatePattern pattern) {
    switch (pattern) {
    case CandidatePattern::pemBlock:
        return pemBlocks_ ? std::move(*pemBlocks_) : ScanMatchers::pemBlocks(text_);
    case CandidatePattern::cryptHash:
        return ScanMatchers::cryptHashes(text_);
    case CandidatePattern::jwt:
        return ScanMatchers::jwts(text_);
    case CandidatePattern::jsonSpan:
        return jsonSpans_ ? std::move(*jsonSpans_) : JSONSpans::find(text_);
    case CandidatePattern::uuid:
        return std::move(words().uuids);
    case CandidatePattern::queryString:
        return ScanMatchers::queryStrings(text_);
    case CandidatePattern::base64Run:
        return std::move(words().base64Runs);
    case CandidatePattern::hexRun:
        return std::move(words().hexRuns);
    case CandidatePattern::millisecondTime:
        return std::move(words().millisecondTimes);
    case CandidatePattern::secondTime:
        return std::move(words().secondTimes);
    }
    return {};
}

void PatternMatches::supply(CandidatePattern pattern, std::vector<TextSpan> matches) {
    (pattern == CandidatePattern::pemBlock ? pemBlocks_ : jsonSpans_) = std::move(matches);
}

ScanMatchers::WordMatches& PatternMatches::words() {
    if (!words_) words_ = ScanMatchers::wordMatches(text_);
    return *words_;
}

std::vector<TextSpan> wholeCharacterSpans(const ScanText& text, std::vector<TextSpan> spans) {
    if (!text.isASCII())
        std::erase_if(spans, [&](const TextSpan& span) {
            return !text.isCharacterBoundary(span.begin) || !text.isCharacterBoundary(span.end);
        });
    return spans;
}

} // namespace tindrel
