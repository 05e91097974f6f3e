#pragma once

#include "TindrelCore/scan/PieceScan.h"
#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/scan/Scanner.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tindrel {

// Scans a text that arrives a chunk at a time (a file being read, a pipe that may never end) in
// bounded memory: it holds less than a window of twice the reach, and hands the findings of each
// piece to the sink as soon as the text after the piece can no longer change them.
//
// The findings, lines included, are those the scanner gives for the whole text, made valid UTF-8,
// as long as every line-spanning match (a PEM block, a JSON span) is shorter than the reach, and
// every stretch of text between two places where it may safely be cut (see StreamCuts) is shorter
// than a piece and its overrun: any log has white space, line feeds or control characters far more
// often.
// Past that the stream keeps its bounds and gives up wholeness: a line-spanning match longer than
// the reach is not found, and a longer stretch without a safe cut is cut every piece, right after a
// quote, comma or closing bracket where one stands near (so that the tokens of minified JSON stay
// whole), else anywhere (a huge Base64 run, a query string of endless pairs), so a candidate in it
// longer than a piece is decoded in parts, not whole.
class ScanStream {
public:
    struct Limits {
        // About this much text is decoded at a time, a piece a core: small enough that the
        // pieces in hand hold little, large enough that each decodes a text seen often once.
        std::size_t pieceBytes = std::size_t{512} << 10;
        std::size_t reachBytes = std::size_t{8} << 20; // the longest match sure to be found whole
        // How far past its size a piece may run to end at a safe cut. A stretch without one that
        // would carry it further is cut about every piece, so that a stretch dense with matches
        // (a line of "[1][1]…") is never held whole; a longer line-spanning match still is.
        std::size_t overrunBytes = std::size_t{64} << 10;
    };

    ScanStream(const Scanner& scanner, FindingSink each, const Limits& limits);
    // The same findings rendered by the threads that find them, their renderings handed on in order.
    ScanStream(const Scanner& scanner, RenderedFindings rendered, const Limits& limits);
    // The same findings only counted, from their verdicts.
    ScanStream(const Scanner& scanner, CountedFindings counted, const Limits& limits);

    // More bytes of the text, cut anywhere, even inside a UTF-8 sequence; ill-formed sequences
    // become U+FFFD as they would in the whole text. While nothing is held, the whole windows of
    // valid UTF-8 that `bytes` begins with are scanned where they stand, not copied, the next one
    // cut while the pieces of the last are scanned: hand a mapped file over in one call. With
    // `last`, the bytes end the text, and those after the last whole window are scanned where they
    // stand too; `finish` must still follow.
    void feed(std::string_view bytes, bool last = false);
    // Called during `feed` with a position in the bytes being fed: the stream will not read the bytes
    // before it again, so a caller that fed a mapped file may give their pages back.
    void whenPassed(std::function<void(const char*)> passed) { passed_ = std::move(passed); }
    // The input paused (a pipe that has nothing more for now, a file read to its current end):
    // hands out at once the findings of the complete lines held, keeping only the lines that a
    // line-spanning match still open may yet reach back into (a PEM block before its END line, a
    // bracket not yet closed) and the unfinished last line. The findings stay those of the whole
    // text; only their time changes. A match left open holds back the lines after it until it
    // closes, fails or falls a reach behind, as without pauses; once it holds over 64 KiB, it is
    // looked at again only when the held text has doubled, so that pauses, however often they
    // come, do not rescan a long held text each time.
    // With `overdue` (the input has stayed silent well past the pause), an open match holds back
    // nothing: every complete line is scanned now, so one stray bracket in a quiet log cannot hide
    // the findings after it. A match that still closes later is then not found whole.
    void settle(bool overdue = false);
    // The text is complete: scans what is still held. The stream is spent afterwards.
    void finish();

    // The text held for lack of what follows it: between calls, less than a window and the start
    // of an unfinished UTF-8 sequence.
    std::size_t heldBytes() const { return held_.size() + unfinished_.size(); }

private:
    // What is known of the text after the held part being scanned.
    enum class Ending {
        unseen, // more text follows: only the first window is scanned, and its last reach is held
        paused, // more text may follow: complete lines are scanned, but for what an open match needs
        final,  // the held text ends the text
    };

    // A window of the text and the pieces settled in it, which end at `end`.
    struct Window {
        ScanText text;
        std::vector<Piece> pieces;
        SpanningMatches spanning;
        std::size_t end = 0;
        std::size_t lineFeeds = 0; // in the pieces
    };

    using Output = std::variant<FindingSink, RenderedFindings, CountedFindings>;

    ScanStream(const Scanner& scanner, const Limits& limits, Output output);
    std::size_t window() const { return 2 * reach_; }
    // The size of the window that begins `bytes`: a window's length, on to the end of a scalar.
    // Nothing when `bytes` ends first.
    std::optional<std::size_t> windowIn(std::string_view bytes) const;
    std::size_t scanInPlace(std::string_view bytes, bool last);
    void append(std::string_view bytes);
    void scanHeld(Ending ending);
    Window cutWindow(std::string_view text, Ending ending, PiecePlace place) const;
    void scanWindow(const Window& window);
    std::size_t settledOnPause(const ScanText& text) const;

    const Scanner& scanner_;
    Output output_;
    std::function<void(const char*)> passed_;
    std::size_t reach_;
    std::size_t piece_;
    std::size_t overrun_;
    std::string held_;       // valid UTF-8, beginning at a cut
    std::string unfinished_; // the bytes of a UTF-8 sequence that the next chunk may complete
    std::size_t line_ = 1;   // the line on which held_ begins
    std::size_t offset_ = 0; // the byte position of held_ in the whole text
    // Pauses look for lines to settle only in held_ past `pausedAt_`, where they have not looked
    // yet, and only once held_ is `rescanAt_` long: an open match that grows long is rescanned
    // when it has doubled, not at every pause.
    std::size_t pausedAt_ = 0;
    std::size_t rescanAt_ = 0;
    bool overdue_ = false; // the pause being settled lets open matches go
};

} // namespace tindrel
