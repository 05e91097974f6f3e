#include "TindrelCore/Scanner.h"

#include "TindrelCore/CandidateInspector.h"
#include "TindrelCore/CandidatePatterns.h"

#include <algorithm>
#include <iterator>

namespace tindrel {
namespace {

struct Accepted {
    TextSpan span;
    std::size_t chain;
};

// Both lists are sorted and free of overlaps within themselves, so one forward sweep finds, for
// each candidate, the only accepted span that could overlap it.
std::vector<TextSpan> withoutOverlaps(std::vector<TextSpan> candidates,
                                      const std::vector<Accepted>& accepted) {
    std::size_t j = 0;
    std::erase_if(candidates, [&](const TextSpan& candidate) {
        while (j < accepted.size() && accepted[j].span.end <= candidate.begin)
            ++j;
        return j < accepted.size() && accepted[j].span.begin < candidate.end;
    });
    return candidates;
}

// The candidates of one pattern never overlap each other, so whether one is accepted depends only
// on the spans accepted for earlier patterns: the whole list can be decoded as one batch.
std::vector<Accepted> acceptPattern(const ScanText& text, CandidatePattern pattern,
                                    const std::vector<Accepted>& accepted, CandidateInspector& inspector) {
    std::vector<TextSpan> candidates = withoutOverlaps(findCandidates(text, pattern), accepted);
    std::vector<std::string_view> texts;
    texts.reserve(candidates.size());
    for (const TextSpan& span : candidates)
        texts.push_back(text.text().substr(span.begin, span.end - span.begin));
    std::vector<std::optional<std::size_t>> chains = inspector.inspect(texts);

    std::vector<Accepted> kept;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (chains[i]) kept.push_back({candidates[i], *chains[i]});
    return kept;
}

std::vector<Accepted> acceptAll(const ScanText& text, CandidateInspector& inspector) {
    std::vector<Accepted> accepted;
    for (CandidatePattern pattern : candidatePatterns) {
        std::vector<Accepted> kept = acceptPattern(text, pattern, accepted, inspector);
        if (kept.empty()) continue;
        std::vector<Accepted> merged;
        merged.reserve(accepted.size() + kept.size());
        std::merge(accepted.begin(), accepted.end(), kept.begin(), kept.end(), std::back_inserter(merged),
                   [](const Accepted& a, const Accepted& b) { return a.span.begin < b.span.begin; });
        accepted = std::move(merged);
    }
    return accepted;
}

} // namespace

std::optional<DetectionKind> ScanFinding::kind() const {
    if (chain.steps.empty()) return std::nullopt;
    return chain.steps.front().kind;
}

std::vector<ScanFinding> Scanner::scan(std::string_view text) const {
    ScanText scanText(text);
    CandidateInspector inspector(engine);
    std::vector<Accepted> accepted = acceptAll(scanText, inspector);

    // A chain shared by findings of the same text is copied for all but its last finding.
    std::vector<std::size_t> uses(inspector.chainCount(), 0);
    for (const Accepted& found : accepted)
        ++uses[found.chain];

    std::vector<ScanFinding> findings;
    findings.reserve(accepted.size());
    std::size_t line = 1;
    std::size_t counted = 0;
    for (const Accepted& found : accepted) {
        // A CR LF pair holds one line feed, so counting line feeds counts it once.
        line += static_cast<std::size_t>(
            std::count(text.begin() + counted, text.begin() + found.span.begin, '\n'));
        counted = found.span.begin;
        std::string matched(text.substr(found.span.begin, found.span.end - found.span.begin));
        bool last = --uses[found.chain] == 0;
        findings.push_back(
            {std::move(matched), line, last ? inspector.release(found.chain) : inspector.chain(found.chain)});
    }
    return findings;
}

} // namespace tindrel
