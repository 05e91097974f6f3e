#include "TindrelCore/scan/PieceScan.h"

#include "TindrelCore/scan/CandidateInspector.h"
#include "TindrelCore/scan/CandidatePatterns.h"
#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/scan/OrderedWork.h"
#include "TindrelCore/text/ByteBlocks.h"

#include <algorithm>

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

// Candidates are decoded this many at a time, so that a piece dense with them holds no list of
// their texts and answers, only of those it keeps; batches stay large enough to share out.
constexpr std::size_t candidatesPerBatch = 4096;

// The candidates of one pattern never overlap each other, so whether one is accepted depends only
// on the spans accepted for earlier patterns: the list can be decoded in batches, in any order.
std::vector<Accepted> acceptPattern(const ScanText& text, std::vector<TextSpan> candidates,
                                    const std::vector<Accepted>& accepted, CandidateInspector& inspector) {
    candidates = withoutOverlaps(std::move(candidates), accepted);
    // Room for every candidate at once: a crowded piece keeps a million, and growing by doubling
    // would copy them and touch twice their memory; room never used is never touched.
    std::vector<Accepted> kept;
    kept.reserve(candidates.size());
    std::vector<std::string_view> texts;
    for (std::size_t first = 0; first < candidates.size(); first += candidatesPerBatch) {
        std::size_t last = std::min(candidates.size(), first + candidatesPerBatch);
        texts.clear();
        for (std::size_t i = first; i < last; ++i)
            texts.push_back(text.text().substr(candidates[i].begin, candidates[i].end - candidates[i].begin));
        std::vector<std::optional<std::size_t>> chains = inspector.inspect(texts);
        for (std::size_t i = first; i < last; ++i)
            if (chains[i - first]) kept.push_back({candidates[i], *chains[i - first]});
    }
    return kept;
}

// Merges two lists sorted by begin into the first, from the back, without a third list.
void mergeInto(std::vector<Accepted>& accepted, const std::vector<Accepted>& kept) {
    std::size_t a = accepted.size(), k = kept.size();
    accepted.resize(a + k);
    for (std::size_t out = a + k; k > 0; --out)
        accepted[out - 1] =
            a > 0 && accepted[a - 1].span.begin > kept[k - 1].span.begin ? accepted[--a] : kept[--k];
}

// The JSON spans of a piece from those of the whole text, unless it walks for its own.
std::optional<std::vector<TextSpan>> textJSONSpans(const ScanText& text, const Piece& part,
                                                   const std::optional<SpanSet>& spans) {
    if (!spans || !takesTextJSONSpans(text, part, *spans)) return std::nullopt;
    if (part.cutAnywhere && spans->dense()) return JSONSpans::ofPart(text, *spans, part.begin, part.end);
    return spans->within(part.begin, part.end);
}

std::vector<Accepted> acceptAll(const ScanText& text, const ScanText& piece, const Piece& part,
                                const SpanningMatches* spanning, CandidateInspector& inspector) {
    PatternMatches matches(piece);
    if (spanning) {
        matches.supply(CandidatePattern::pemBlock, spansWithin(spanning->pemBlocks, part.begin, part.end));
        if (auto jsonSpans = textJSONSpans(text, part, spanning->jsonSpans))
            matches.supply(CandidatePattern::jsonSpan, std::move(*jsonSpans));
    }
    std::vector<Accepted> accepted;
    for (CandidatePattern pattern : candidatePatterns) {
        std::vector<Accepted> kept =
            acceptPattern(piece, wholeCharacterSpans(piece, matches.take(pattern)), accepted, inspector);
        if (accepted.empty())
            accepted = std::move(kept);
        else
            mergeInto(accepted, kept);
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
        line_ += ByteBlocks::countOf(text_.substr(counted_, pos - counted_), '\n');
        counted_ = pos;
        return line_;
    }

private:
    std::string_view text_;
    std::size_t line_;
    std::size_t counted_ = 0;
};

template <typename Sink>
void scanPiece(const ScanText& text, const Piece& part, const SpanningMatches* spanning,
               const ChainEngine& engine, CandidateInspector::Threads threads, Sink& each) {
    const ScanText piece(text, part.begin, part.end);
    CandidateInspector inspector(engine, threads);
    std::vector<Accepted> accepted = acceptAll(text, piece, part, spanning, inspector);

    for (const Accepted& found : accepted)
        inspector.expect(found.chain);
    LineCounter lines(piece.text(), part.place.line);
    for (const Accepted& found : accepted)
        each({lines.lineAt(found.span.begin), inspector.chain(found.chain),
              part.place.offset + found.span.begin});
}

} // namespace

// A piece cut anywhere may cut a JSON span of the whole text, and its spans are then those of a walk
// of its own, as pieces of a text dense with spans always had: an ASCII text's are told from the
// text's spans, but where a character may run across the cut (a bracket and a combining mark) the
// piece walks. Where spans are few (at most one for every 128 bytes) every piece takes the text's,
// as it always has.
bool takesTextJSONSpans(const ScanText& text, const Piece& part, const SpanSet& spans) {
    return !part.cutAnywhere || !spans.dense() || text.isASCII();
}

// At most this many findings of a piece wait to be written (some 64 KB of them), and they change
// hands a quarter as many at a time: a piece dense with findings then keeps the workers ahead of
// the writer busy, where a few hundred stopped them, and wakes the writer a few times, not
// thousands.
constexpr std::size_t findingsWaitingPerPiece = 1024;

// A piece alone spreads its own decoding over the cores; several share them out a piece each.
void scanPieces(const ScanText& text, const std::vector<Piece>& pieces, const ChainEngine& engine,
                const FindingSink& each, const SpanningMatches* spanning) {
    auto scanOne = [&](std::size_t i, auto& emit, CandidateInspector::Threads threads) {
        scanPiece(text, pieces[i], spanning, engine, threads, emit);
    };
    if (pieces.size() == 1) {
        scanOne(0, each, CandidateInspector::Threads::perCore);
        return;
    }
    runInOrder<ScanFinding>(
        pieces.size(),
        [&](std::size_t i, auto& emit) { scanOne(i, emit, CandidateInspector::Threads::caller); },
        [&](ScanFinding&& finding) { each(std::move(finding)); }, findingsWaitingPerPiece);
}

namespace {

// The renderings of consecutive findings of a piece.
struct RenderedPart {
    std::string text;
    std::size_t findings = 0;
};

// A piece's renderings go on in parts of about this size, and at most this many parts of a piece
// wait (some 2 MB): a worker may render most of a piece dense with findings ahead of the one being
// written, as it could not hold all their chains.
constexpr std::size_t renderedPartBytes = std::size_t{16} << 10;
constexpr std::size_t renderedPartsWaitingPerPiece = 128;

} // namespace

void scanPieces(const ScanText& text, const std::vector<Piece>& pieces, const ChainEngine& engine,
                const RenderedFindings& rendered, const SpanningMatches* spanning) {
    // `send`, not `emit`: Qt's keyword of that name empties a call to it for the static analyser.
    auto scanOne = [&](std::size_t i, auto& send, CandidateInspector::Threads threads) {
        FindingRenderer render = rendered.renderer();
        RenderedPart part;
        auto handOn = [&] {
            send(std::move(part));
            part = {};
        };
        auto each = [&](ScanFinding&& finding) {
            render(finding, part.text);
            ++part.findings;
            if (part.text.size() >= renderedPartBytes) handOn();
        };
        scanPiece(text, pieces[i], spanning, engine, threads, each);
        if (part.findings > 0) handOn();
    };
    // A part grown far past its size (the rendering of a finding of megabytes) is freed here, not
    // given back to its worker with the others: a few such parts waiting to be destroyed there
    // would hold more than every part in flight.
    auto take = [&](RenderedPart&& part) {
        rendered.take(part.text, part.findings);
        if (part.text.capacity() > 8 * renderedPartBytes) std::string().swap(part.text);
    };
    if (pieces.size() == 1) {
        scanOne(0, take, CandidateInspector::Threads::perCore);
        return;
    }
    runInOrder<RenderedPart>(
        pieces.size(),
        [&](std::size_t i, auto& emit) { scanOne(i, emit, CandidateInspector::Threads::caller); }, take,
        renderedPartsWaitingPerPiece);
}

void scanPieces(const ScanText& text, const std::vector<Piece>& pieces, const ChainEngine& engine,
                const CountedFindings& counted, const SpanningMatches* spanning) {
    auto countOne = [&](std::size_t i, CandidateInspector::Threads threads) {
        const ScanText piece(text, pieces[i].begin, pieces[i].end);
        CandidateInspector inspector(engine, threads, 0, CandidateInspector::Answers::verdicts);
        return acceptAll(text, piece, pieces[i], spanning, inspector).size();
    };
    if (pieces.size() == 1) {
        counted.take(countOne(0, CandidateInspector::Threads::perCore));
        return;
    }
    runInOrder<std::size_t>(
        pieces.size(),
        [&](std::size_t i, auto& send) { send(countOne(i, CandidateInspector::Threads::caller)); },
        [&](std::size_t count) { counted.take(count); }, 1);
}

} // namespace tindrel
