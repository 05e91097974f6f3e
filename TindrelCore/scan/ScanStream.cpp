#include "TindrelCore/scan/ScanStream.h"

#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/scan/PieceScan.h"
#include "TindrelCore/scan/ScanMatchers.h"
#include "TindrelCore/scan/StreamCuts.h"
#include "TindrelCore/text/ByteBlocks.h"

#include <algorithm>
#include <future>

namespace tindrel {
namespace {

// Up to this much held text is scanned again at every pause while a match stays open.
constexpr std::size_t pauseRescanBytes = std::size_t{64} << 10;
// Bytes that cannot be scanned where they stand are copied this much at a time, so that a mapped
// file gives back its pages as they are copied rather than after the window.
constexpr std::size_t copyStep = std::size_t{1} << 20;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence that `bytes` ends inside of and that later bytes may complete,
// or 0. A lead byte never continues the sequence before it, so where it stands every reading of
// the text starts a sequence, and reading the bytes before it alone changes nothing.
std::size_t unfinishedTail(std::string_view bytes) {
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, bytes.size()); ++back) {
        std::size_t pos = bytes.size() - back;
        auto byte = static_cast<unsigned char>(bytes[pos]);
        if (isContinuation(byte)) continue;
        if (byte < 0xC2 || byte > 0xF4) return 0;
        Text::Scalar scalar = Text::decodeScalar(bytes, pos);
        return scalar.value == Text::Scalar::invalid && pos + scalar.length == bytes.size() ? back : 0;
    }
    return 0;
}

bool endsAField(unsigned char byte) {
    return byte == '"' || byte == ',' || byte == ']' || byte == '}';
}

// Where a stretch without a safe cut may be cut with the least harm: right after the last quote,
// comma or closing bracket of the 4 KB before `end`. A long line without white space is most often
// minified JSON, whose tokens stand between quotes: a cut there splits none, where a cut at any
// byte could split a token (or a "[1]") into parts that nothing recognises.
std::optional<std::size_t> cutAfterField(const ScanText& text, std::size_t begin, std::size_t end) {
    const std::size_t searched = std::min<std::size_t>(std::size_t{4} << 10, end - begin - 1);
    for (std::size_t cut = end; cut > end - searched; --cut)
        if (endsAField(text.byte(cut - 1))) return cut;
    return std::nullopt;
}

// Where a stretch without a field to end at is cut anyway: about a piece on, never inside a UTF-8
// sequence.
std::size_t cutAnywhere(const ScanText& text, std::size_t begin, std::size_t end) {
    while (end > begin && end < text.size() && isContinuation(text.byte(end)))
        --end;
    return end > begin ? end : begin + text.scalarAt(begin).length;
}

} // namespace

ScanStream::ScanStream(const Scanner& scanner, FindingSink each, const Limits& limits)
    : ScanStream(scanner, limits, std::move(each)) {}

ScanStream::ScanStream(const Scanner& scanner, RenderedFindings rendered, const Limits& limits)
    : ScanStream(scanner, limits, std::move(rendered)) {}

ScanStream::ScanStream(const Scanner& scanner, CountedFindings counted, const Limits& limits)
    : ScanStream(scanner, limits, std::move(counted)) {}

ScanStream::ScanStream(const Scanner& scanner, const Limits& limits, Output output)
    : scanner_(scanner)
    , output_(std::move(output))
    , reach_(std::max<std::size_t>(limits.reachBytes, 4))
    , piece_(std::clamp<std::size_t>(limits.pieceBytes, 1, reach_))
    , overrun_(std::clamp<std::size_t>(limits.overrunBytes, 1, reach_)) {}

void ScanStream::feed(std::string_view bytes, bool last) {
    if (heldBytes() == 0) bytes.remove_prefix(scanInPlace(bytes, last));
    while (!bytes.empty()) {
        std::size_t take =
            std::min({bytes.size(), copyStep, window() - std::min(held_.size(), window() - 1)});
        append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (passed_) passed_(bytes.data());
        while (held_.size() >= window())
            scanHeld(Ending::unseen);
    }
}

std::optional<std::size_t> ScanStream::windowIn(std::string_view bytes) const {
    std::size_t size = window();
    while (size < bytes.size() && isContinuation(static_cast<unsigned char>(bytes[size])))
        ++size;
    if (size >= bytes.size()) return std::nullopt;
    return size;
}

// A window of valid UTF-8 reads as it would once copied, whatever follows it: its last scalar ends
// where a scalar begins. When the bytes end the text, what is left after the last window, shorter
// than one, is the final window that `finish` would scan. Answers how many bytes were scanned.
std::size_t ScanStream::scanInPlace(std::string_view bytes, bool last) {
    std::size_t validated = 0; // the bytes before are valid UTF-8
    auto windowAt = [&](std::size_t begin, PiecePlace place) -> std::optional<Window> {
        std::string_view rest = bytes.substr(begin);
        std::optional<std::size_t> size = windowIn(rest);
        Ending ending = Ending::unseen;
        // Bytes that end the text are its final window, but for exactly a window's worth: held, they
        // would be cut as a window with text to come and the rest as the final one. So they are here,
        // where the final window is cut while the first is scanned, not after it.
        if (!size && last && !rest.empty() && rest.size() <= window()) {
            size = rest.size();
            ending = rest.size() < window() ? Ending::final : Ending::unseen;
        }
        if (!size) return std::nullopt;
        std::size_t end = begin + *size;
        if (end > validated && !Text::isValidUTF8(bytes.substr(validated, end - validated)))
            return std::nullopt;
        validated = std::max(validated, end);
        return cutWindow(bytes.substr(begin, *size), ending, place);
    };
    std::size_t begin = 0;
    std::optional<Window> current = windowAt(0, {line_, offset_});
    while (current) {
        std::size_t next = begin + current->end;
        std::future<std::optional<Window>> following =
            std::async(std::launch::async | std::launch::deferred, windowAt, next,
                       PiecePlace{line_ + current->lineFeeds, offset_ + current->end});
        scanWindow(*current);
        begin = next;
        if (passed_) passed_(bytes.data() + begin);
        current = following.get();
    }
    return begin;
}

// Only a line feed that came since the last pause can settle more: the lines before it were
// settled then, or an open match held them, which more text on the unfinished line cannot close
// without also running over all of them.
void ScanStream::settle(bool overdue) {
    if (overdue ? held_.find('\n') == std::string::npos
                : held_.size() < rescanAt_ || held_.find('\n', pausedAt_) == std::string::npos)
        return;
    overdue_ = overdue;
    scanHeld(Ending::paused);
    overdue_ = false;
    pausedAt_ = held_.size();
    rescanAt_ = held_.size() > pauseRescanBytes ? 2 * held_.size() : 0;
}

void ScanStream::finish() {
    held_ += Text::sanitizeUTF8(unfinished_);
    unfinished_.clear();
    while (!held_.empty())
        scanHeld(Ending::final);
}

void ScanStream::append(std::string_view bytes) {
    std::size_t start = held_.size();
    held_ += unfinished_;
    held_ += bytes;
    std::size_t tail = unfinishedTail(std::string_view(held_).substr(start));
    unfinished_.assign(held_, held_.size() - tail);
    held_.resize(held_.size() - tail);
    std::string_view added = std::string_view(held_).substr(start);
    if (Text::isValidUTF8(added)) return;
    std::string valid = Text::sanitizeUTF8(added);
    held_.resize(start);
    held_ += valid;
}

// Where a pause settles the held text: after its last line feed, but before the first PEM block
// or JSON span that it begins and does not end and that the text to come may still finish. The
// matches and failed attempts that begin before are the same in the whole text.
std::size_t ScanStream::settledOnPause(const ScanText& text) const {
    std::size_t settled = text.text().rfind('\n') + 1;
    if (overdue_) return settled;
    for (std::optional<std::size_t> open :
         {ScanMatchers::firstUnfinishedPemBlock(text), JSONSpans::firstUnclosed(text)})
        settled = std::min(settled, open.value_or(settled));
    return settled;
}

void ScanStream::scanHeld(Ending ending) {
    // The window ends on a whole scalar, so that every character in it reads as in the text. The
    // held text ends on one, so the window never outgrows it.
    std::size_t size = ending == Ending::unseen ? window() : held_.size();
    while (size < held_.size() && isContinuation(static_cast<unsigned char>(held_[size])))
        ++size;
    Window window = cutWindow(std::string_view(held_).substr(0, size), ending, {line_, offset_});
    scanWindow(window);
    held_.erase(0, window.end);
    pausedAt_ -= std::min(pausedAt_, window.end);
    if (window.end > 0) rescanAt_ = 0;
}

// Cuts a window of text into pieces while they are settled. While more text follows unseen, a
// piece must end a reach before the window does: its line-spanning matches, and the failed attempts
// at them, then never needed the text beyond. A window always yields at least one piece, so the
// text held shrinks.
ScanStream::Window ScanStream::cutWindow(std::string_view bytes, Ending ending, PiecePlace place) const {
    Window window{ScanText(bytes), {}, {}, 0, 0};
    const ScanText& text = window.text;
    std::size_t size = text.size();
    std::size_t settled = ending == Ending::unseen   ? size - reach_
                          : ending == Ending::paused ? settledOnPause(text)
                                                     : size;
    // The last reach of an unseen window is walked again with the next window: only the matches
    // that begin before the settled part ends place its cuts.
    std::vector<TextSpan> pemBlocks = ScanMatchers::pemBlocks(text, settled);
    StreamCuts cuts(text, pemBlocks, ending == Ending::final, settled);

    std::size_t begin = 0;
    bool forcing = false;
    while (begin < size) {
        std::size_t limit = std::min(begin + reach_, settled);
        if (limit <= begin) break;
        std::optional<std::size_t> end = cuts.pick(begin, begin + piece_, overrun_, limit);
        bool forced = !end;
        // No safe cut within reach. Before the text ends a piece that does not begin the window
        // waits for the next window, which may hold its cut; otherwise the stretch is cut anyway.
        // A pause never forces a cut: the window does when the text comes.
        if (forced && (ending == Ending::paused || (begin > 0 && !forcing && ending == Ending::unseen)))
            break;
        if (forced) {
            const std::size_t bound = std::min(begin + piece_, limit);
            end = cutAfterField(text, begin, bound);
            // A stretch that the settled part ends in, with no field end before, waits for the
            // next window, where it begins and a whole piece can be cut from it.
            if (!end && begin > 0 && ending == Ending::unseen && bound == limit) break;
            if (!end) end = cutAnywhere(text, begin, bound);
        }
        // The first piece begins where the walk for the window's JSON spans begins, whatever cut
        // it follows.
        window.pieces.push_back(
            {begin, *end, {place.line + window.lineFeeds, place.offset + begin}, forced || forcing});
        forcing = forced;
        window.lineFeeds += ByteBlocks::countOf(text.text().substr(begin, *end - begin), '\n');
        begin = *end;
    }
    window.end = begin;
    // The pieces end where no line-spanning match runs across, so each finds the matches that begin
    // in it among those found here.
    // Spans that no piece takes (a text crowded with them and cut anywhere) are let go before the
    // pieces are scanned.
    SpanSet jsonSpans = cuts.takeJSONSpans();
    const bool taken = std::any_of(window.pieces.begin(), window.pieces.end(), [&](const Piece& piece) {
        return takesTextJSONSpans(text, piece, jsonSpans);
    });
    window.spanning = {std::move(pemBlocks), taken ? std::optional(std::move(jsonSpans)) : std::nullopt};
    return window;
}

void ScanStream::scanWindow(const Window& window) {
    std::visit(
        [&](const auto& output) {
            scanPieces(window.text, window.pieces, scanner_.engine, output, &window.spanning);
        },
        output_);
    line_ += window.lineFeeds;
    offset_ += window.end;
}

} // namespace tindrel
