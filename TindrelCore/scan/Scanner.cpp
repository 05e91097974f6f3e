#include "TindrelCore/scan/Scanner.h"

#include "TindrelCore/scan/CandidateInspector.h"
#include "TindrelCore/scan/ScanPieces.h"

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

// The spans accepted in the piece [begin, end) of the whole text, in piece positions.
std::vector<Accepted> acceptAll(const ScanText& piece, const ScanPieces& pieces, std::size_t begin,
                                CandidateInspector& inspector) {
    std::vector<Accepted> accepted;
    for (CandidatePattern pattern : candidatePatterns) {
        std::vector<TextSpan> candidates =
            spansLines(pattern)
                ? wholeCharacterSpans(piece, pieces.matchesWithin(pattern, begin, begin + piece.size()))
                : findCandidates(piece, pattern);
        std::vector<Accepted> kept = acceptPattern(piece, std::move(candidates), accepted, inspector);
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
    explicit LineCounter(std::string_view text)
        : text_(text) {}

    std::size_t lineAt(std::size_t pos) {
        // A CR LF pair holds one line feed, so counting line feeds counts it once.
        line_ += static_cast<std::size_t>(std::count(text_.begin() + counted_, text_.begin() + pos, '\n'));
        counted_ = pos;
        return line_;
    }

private:
    std::string_view text_;
    std::size_t line_ = 1;
    std::size_t counted_ = 0;
};

void scanPiece(const ScanText& piece, const ScanPieces& pieces, std::size_t begin, const ChainEngine& engine,
               LineCounter& lines, const FindingSink& each) {
    CandidateInspector inspector(engine);
    std::vector<Accepted> accepted = acceptAll(piece, pieces, begin, inspector);

    // A chain shared by findings of the same text is copied for all but its last finding.
    std::vector<std::size_t> uses(inspector.chainCount(), 0);
    for (const Accepted& found : accepted)
        ++uses[found.chain];

    for (const Accepted& found : accepted) {
        std::string matched(piece.text().substr(found.span.begin, found.span.end - found.span.begin));
        bool last = --uses[found.chain] == 0;
        each({std::move(matched), lines.lineAt(begin + found.span.begin),
              last ? inspector.release(found.chain) : inspector.chain(found.chain),
              begin + found.span.begin});
    }
}

} // namespace

std::optional<DetectionKind> ScanFinding::kind() const {
    if (chain.steps.empty()) return std::nullopt;
    return chain.steps.front().kind;
}

std::vector<ScanFinding> Scanner::scan(std::string_view text) const {
    std::vector<ScanFinding> findings;
    scan(text, [&findings](ScanFinding&& finding) { findings.push_back(std::move(finding)); });
    return findings;
}

void Scanner::scan(std::string_view text, const FindingSink& each, std::size_t piece) const {
    ScanText whole(text);
    ScanPieces pieces(whole, piece);
    LineCounter lines(text);
    for (std::size_t begin = 0, end = 0; begin < text.size(); begin = end) {
        end = pieces.endOf(begin);
        scanPiece(ScanText(whole, begin, end), pieces, begin, engine, lines, each);
    }
}

} // namespace tindrel
