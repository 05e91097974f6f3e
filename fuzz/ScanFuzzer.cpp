#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/scan/CandidatePatterns.h"
#include "TindrelCore/scan/ScanStream.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// The longest match of a line-spanning pattern, and the longest stretch between two white-space
// bytes outside such matches (every place where a stream may cut lies right after one, or after a
// control byte, so this is at least as long as any stretch the stream cannot cut).
std::pair<std::size_t, std::size_t> longestSpanAndStretch(const std::string& text) {
    tindrel::ScanText whole(text);
    std::vector<bool> inside(text.size() + 1, false);
    std::size_t longestSpan = 0;
    for (tindrel::CandidatePattern pattern :
         {tindrel::CandidatePattern::pemBlock, tindrel::CandidatePattern::jsonSpan})
        for (const tindrel::TextSpan& span : tindrel::findMatches(whole, pattern)) {
            longestSpan = std::max(longestSpan, span.end - span.begin);
            for (std::size_t pos = span.begin; pos < span.end; ++pos)
                inside[pos] = true;
        }
    std::size_t longestStretch = 0, stretch = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        auto byte = static_cast<unsigned char>(text[pos]);
        bool cut = !inside[pos] && byte < 0x80 && tindrel::Text::isWhitespace(byte);
        stretch = cut ? 0 : stretch + 1;
        longestStretch = std::max(longestStretch, stretch);
    }
    return {longestSpan, longestStretch};
}

// Whether findings stand in the text where they say, in text order, each recognised.
bool sound(const std::string& text, const std::vector<tindrel::ScanFinding>& findings) {
    std::size_t line = 1, offset = 0;
    for (const tindrel::ScanFinding& finding : findings) {
        const std::string& matched = finding.matchedText();
        bool ok = finding.line >= line && finding.offset >= offset && !matched.empty() &&
                  finding.chain->isRecognized() && finding.offset <= text.size() &&
                  text.compare(finding.offset, matched.size(), matched) == 0;
        if (!ok) return false;
        line = finding.line;
        offset = finding.offset;
    }
    return true;
}

// Feeds the text to the stream in chunks whose sizes its own bytes choose, or whole in one last
// call (then scanned where it stands).
void feed(tindrel::ScanStream& stream, const std::string& text, bool inChunks) {
    if (!inChunks) stream.feed(text, true);
    for (std::size_t pos = 0; inChunks && pos < text.size();) {
        std::size_t chunk = 1 + static_cast<unsigned char>(text[pos]) % 61;
        stream.feed(std::string_view(text).substr(pos, chunk));
        pos += chunk;
    }
    stream.finish();
}

// The text fed to a stream of small pieces gives `whole`, the findings of the whole text, whenever
// its matches and stretches without a cut are well within reach; past that it cuts where it must,
// and what it finds still stands in the text. However the text comes, in chunks or whole, a stream
// that counts from verdicts alone counts as many findings as one that hands them out, whichever
// way it was fed: a pipe's findings are counted as it comes and written from its copy.
void checkStreamAgrees(const std::string& text, const std::vector<tindrel::ScanFinding>& whole) {
    static const tindrel::Scanner scanner{tindrel::ChainEngine{tindrel::defaultDetectors(), 0.5, 12}};
    const tindrel::ScanStream::Limits limits{64, 4096};
    auto [span, stretch] = longestSpanAndStretch(text);
    const bool withinReach = span < limits.reachBytes / 2 && stretch < limits.reachBytes / 2;
    std::vector<std::size_t> found, counted;
    for (bool inChunks : {true, false}) {
        std::vector<tindrel::ScanFinding> streamed;
        tindrel::ScanStream stream(
            scanner, [&](tindrel::ScanFinding&& f) { streamed.push_back(std::move(f)); }, limits);
        feed(stream, text, inChunks);
        if (withinReach ? streamed != whole : !sound(text, streamed)) __builtin_trap();
        found.push_back(streamed.size());
        std::size_t count = 0;
        tindrel::ScanStream counting(
            scanner, tindrel::CountedFindings{[&](std::size_t findings) { count += findings; }}, limits);
        feed(counting, text, inChunks);
        counted.push_back(count);
    }
    if (counted[0] != found[1] || counted[1] != found[0]) __builtin_trap();
}

} // namespace

// Scans any bytes (made valid UTF-8 first, as every caller does) and checks what every scan must
// hold: findings in text order, each a recognised, non-empty span of the text, all of which a
// document can hold (a scan that counts them first writes their entries without a way back); and a
// stream that agrees with the whole text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = tindrel::Text::sanitizeUTF8({reinterpret_cast<const char*>(data), size});
    std::vector<tindrel::ScanFinding> findings = tindrel::Tindrel::scan(text);
    if (!sound(text, findings)) __builtin_trap();
    if (!findings.empty() && tindrel::TindrelJSON::string(findings) == "{}") __builtin_trap();
    checkStreamAgrees(text, findings);
    return 0;
}
