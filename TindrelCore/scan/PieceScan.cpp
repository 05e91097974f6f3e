#include "TindrelCore/scan/PieceScan.h"

#include "TindrelCore/scan/CandidateInspector.h"

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
std::vector<Accepted> acceptPattern(const ScanText& text, std::vector<TextSpan> candidates,
                                    const std::vector<Accepted>& accepted, CandidateInspector& inspector) {
    candidates = withoutOverlaps(std::move(candidates), accepted);
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

std::vector<TextSpan> candidatesOf(const ScanText& piece, const SpanningMatches& spanning,
                                   PatternMatches& matches, CandidatePattern pattern) {
    switch (pattern) {
    case CandidatePattern::pemBlock:
        return wholeCharacterSpans(piece, spanning.pemBlocks);
    case CandidatePattern::jsonSpan:
        return wholeCharacterSpans(piece, spanning.jsonSpans);
    default:
        return wholeCharacterSpans(piece, matches.take(pattern));
    }
}

std::vector<Accepted> acceptAll(const ScanText& piece, const SpanningMatches& spanning,
                                CandidateInspector& inspector) {
    PatternMatches matches(piece);
    std::vector<Accepted> accepted;
    for (CandidatePattern pattern : candidatePatterns) {
        std::vector<Accepted> kept =
            acceptPattern(piece, candidatesOf(piece, spanning, matches, pattern), accepted, inspector);
        if (kept.empty()) continue;
        std::vector<Accepted> merged;
        merged.reserve(accepted.size() + kept.size());
        std::merge(accepted.begin(), accepted.end(), kept.begin(), kept.end(), std::back_inserter(merged),
                   [](const Accepted& a, const Accepted& b) { return a.span.begin < b.span.begin; });
        accepted = std::move(merged);
    }
    return accepted;
}

// Line numbers of positions asked for in ascending order.
class LineCounter {
public:
    LineCounter(std::string_view text, std::size_t firstLine)
        : text_(text)
        , line_(firstLine) {}

    std::size_t lineAt(std::size_t pos) {
        // A CR LF pair holds one line feed, so counting line feeds counts it once.
        line_ += static_cast<std::size_t>(std::count(text_.begin() + counted_, text_.begin() + pos, '\n'));
        counted_ = pos;
        return line_;
    }

private:
    std::string_view text_;
    std::size_t line_;
    std::size_t counted_ = 0;
};

std::vector<TextSpan> spansWithin(const std::vector<TextSpan>& all, std::size_t begin, std::size_t end) {
    auto first = std::lower_bound(all.begin(), all.end(), begin,
                                  [](const TextSpan& span, std::size_t pos) { return span.begin < pos; });
    std::vector<TextSpan> spans;
    for (auto it = first; it != all.end() && it->begin < end; ++it)
        if (it->end <= end) spans.push_back({it->begin - begin, it->end - begin});
    return spans;
}

} // namespace

SpanningMatches SpanningMatches::within(const std::vector<TextSpan>& pemBlocks,
                                        const std::vector<TextSpan>& jsonSpans, std::size_t begin,
                                        std::size_t end) {
    return {spansWithin(pemBlocks, begin, end), spansWithin(jsonSpans, begin, end)};
}

void scanPiece(const ScanText& piece, const SpanningMatches& spanning, PiecePlace place,
               const ChainEngine& engine, const FindingSink& each) {
    CandidateInspector inspector(engine);
    std::vector<Accepted> accepted = acceptAll(piece, spanning, inspector);

    // A chain shared by findings of the same text is copied for all but its last finding.
    std::vector<std::size_t> uses(inspector.chainCount(), 0);
    for (const Accepted& found : accepted)
        ++uses[found.chain];

    LineCounter lines(piece.text(), place.line);
    for (const Accepted& found : accepted) {
        std::string matched(piece.text().substr(found.span.begin, found.span.end - found.span.begin));
        bool last = --uses[found.chain] == 0;
        each({std::move(matched), lines.lineAt(found.span.begin),
              last ? inspector.release(found.chain) : inspector.chain(found.chain),
              place.offset + found.span.begin});
    }
}

} // namespace tindrel
