#include "TindrelCore/scan/CandidatePatterns.h"

#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/scan/ScanMatchers.h"

#include <algorithm>

namespace tindrel {

std::vector<TextSpan> findMatches(const ScanText& text, CandidatePattern pattern) {
    switch (pattern) {
    case CandidatePattern::pemBlock:
        return ScanMatchers::pemBlocks(text);
    case CandidatePattern::cryptHash:
        return ScanMatchers::cryptHashes(text);
    case CandidatePattern::jwt:
        return ScanMatchers::jwts(text);
    case CandidatePattern::jsonSpan:
        return JSONSpans::find(text);
    case CandidatePattern::uuid:
        return ScanMatchers::uuids(text);
    case CandidatePattern::queryString:
        return ScanMatchers::queryStrings(text);
    case CandidatePattern::base64Run:
        return ScanMatchers::base64Runs(text);
    case CandidatePattern::hexRun:
        return ScanMatchers::hexRuns(text);
    case CandidatePattern::millisecondTime:
        return ScanMatchers::digitRuns(text, 13);
    case CandidatePattern::secondTime:
        return ScanMatchers::digitRuns(text, 10);
    }
    return {};
}

std::vector<TextSpan> wholeCharacterSpans(const ScanText& text, std::vector<TextSpan> spans) {
    if (!text.isASCII())
        std::erase_if(spans, [&](const TextSpan& span) {
            return !text.isCharacterBoundary(span.begin) || !text.isCharacterBoundary(span.end);
        });
    return spans;
}

} // namespace tindrel
