#include "TindrelCLI/ScanDocument.h"

#include "TindrelCLI/MappedFile.h"
#include "TindrelCLI/Output.h"
#include "TindrelCLI/SpoolFile.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/scan/BackgroundConsumer.h"
#include "TindrelCore/scan/DistinctTexts.h"
#include "TindrelCore/text/TextArena.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace tindrel::cli {
namespace {

// Texts remembered for sharing their chain's members, at most this many bytes of them: a log that
// repeats a text a million times spools its chain once, and one of only distinct texts costs no
// more memory than this. Each text counts with what the map holds beside it (its node, its
// bucket), which outweighs a short text several times over.
constexpr std::size_t sharedTextBytes = std::size_t{16} << 20;
constexpr std::size_t bytesBesideEachText = 80;

// Findings wait for the spool at most this many bytes of them to a batch: a log of a few huge
// findings (a piece-long query string) must not wait whole in memory.
constexpr std::size_t spoolBatchBytes = std::size_t{2} << 20;

// What a finding holds, near enough to batch by.
std::size_t heldBytes(const ScanFinding& finding) {
    std::size_t bytes = finding.chain->input.size();
    for (const DecodeResult& step : finding.chain->steps)
        bytes += step.output.size() + step.summary.size();
    return bytes;
}

// Seven bits a byte, the last byte without its top bit: a record of a repeated text takes two bytes.
bool appendVarint(std::FILE* file, std::uint64_t number) {
    for (; number >= 0x80; number >>= 7)
        if (fputc_unlocked(static_cast<int>((number & 0x7F) | 0x80), file) == EOF) return false;
    return fputc_unlocked(static_cast<int>(number), file) != EOF;
}

std::optional<std::uint64_t> readVarint(std::FILE* file) {
    std::uint64_t number = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        int byte = getc_unlocked(file);
        if (byte == EOF) return std::nullopt;
        number |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) return number;
    }
    return std::nullopt;
}

// The entries wait in two unnamed temporary files until the count that heads the document is
// known: the parts file holds each distinct text's entry but for its line, framed on the spooling
// thread; the records file a few bytes per finding: where its frame stands and its line.
class EntrySpool {
public:
    bool open() const { return parts_ && records_; }
    // Writes what waits for the parts file; then whether every write to the files succeeded.
    bool spooled() {
        writeWaitingParts();
        return spooled_;
    }

    // Fetches what adding the finding will look up, a few findings before it is added: nothing for
    // one that shares the chain of the finding before it, as most in a run do. The address is only
    // compared: one reused by a later chain costs no more than a fetch not made.
    void prepare(const ScanFinding& finding) {
        if (finding.chain.get() != lastPrepared_) known_.prefetch(finding.matchedText());
        lastPrepared_ = finding.chain.get();
    }

    // False when the finding cannot be written; the document is then "{}".
    bool add(const ScanFinding& finding) {
        // Findings of one text share their chain and come in runs: the chain says the text is the
        // last one's without looking it up. Holding it keeps its address from being reused.
        std::optional<std::uint64_t> at = finding.chain == lastChain_ ? lastAt_ : partsOf(finding);
        if (!at) return false;
        lastChain_ = finding.chain;
        lastAt_ = at;
        spooled_ = spooled_ && appendVarint(records_.get(), *at) &&
                   appendVarint(records_.get(), finding.line - lastLine_);
        lastLine_ = finding.line;
        return true;
    }

    // Writes the entries, joined, to standard output. The parts file is mapped, not read: each
    // frame is appended from where it stands, and the pages before the frame in use go back as the
    // reader passes them.
    bool replay(std::size_t count) {
        if (!spooled() || std::fflush(records_.get()) != 0 || std::fseek(records_.get(), 0, SEEK_SET) != 0)
            return false;
        if (count == 0) return true;
        std::optional<MappedFile> parts = MappedFile::ofWritten(parts_.get());
        if (!parts) return false;
        const std::string_view partsBytes = parts->bytes();
        std::string_view beforeLine, afterLine;
        std::array<std::string, 2> copied;
        std::optional<std::uint64_t> frameAt;
        std::uint64_t line = 0;
        std::size_t mappedAt = 0, released = 0; // the frame last mapped begins at mappedAt
        OutputBatch out;
        for (std::size_t i = 0; i < count; ++i) {
            std::optional<std::uint64_t> at = readVarint(records_.get());
            std::optional<std::uint64_t> lines = readVarint(records_.get());
            if (!at || !lines) return false;
            if (frameAt != at && *at >= released) {
                std::size_t next = mappedAt = *at;
                if (!(piece(partsBytes, next, beforeLine) && piece(partsBytes, next, afterLine)))
                    return false;
            } else if (frameAt != at) {
                // Read, not mapped again: a page mapped behind the reader would stay until the end.
                if (!readFrame(*at, copied)) return false;
                beforeLine = copied.front();
                afterLine = copied.back();
            }
            frameAt = at;
            line += *lines;
            if (i > 0) out.text() += TindrelJSON::entrySeparator;
            TindrelJSON::appendEntry(out.text(), beforeLine, line, afterLine);
            out.send();
            if (mappedAt - released >= releaseBytes)
                parts->release(partsBytes.data() + (released = mappedAt));
        }
        out.send(true);
        return true;
    }

private:
    // The parts file's frames gather in memory and go to the file a megabyte at a time; its mapping
    // gives back the pages behind the reader a megabyte at a time.
    static constexpr std::size_t partsWriteBytes = std::size_t{1} << 20;
    static constexpr std::size_t releaseBytes = std::size_t{1} << 20;

    void writeWaitingParts() {
        spooled_ = spooled_ && append(parts_.get(), partsWaiting_);
        partsWaiting_.clear();
    }

    // Where the finding's entry frame stands, written there first unless its text came before.
    std::optional<std::uint64_t> partsOf(const ScanFinding& finding) {
        if (std::optional<std::size_t> known = known_.find(finding.matchedText())) return knownAt_[*known];
        std::optional<TindrelJSON::ChainParts> parts = TindrelJSON::chainParts(*finding.chain);
        std::optional<std::string> text = TindrelJSON::matchedTextMember(finding.matchedText());
        if (!parts || !text) return std::nullopt;
        // The text before the line, which holds the chain, is framed in place, after room for its size.
        const std::uint64_t at = partsBytes_;
        const std::size_t sizeAt = partsWaiting_.size();
        partsWaiting_.append(sizeof(std::uint64_t), '\0');
        afterLine_.clear();
        TindrelJSON::appendEntryFrame(partsWaiting_, afterLine_, *parts, *text);
        const std::uint64_t beforeSize = partsWaiting_.size() - sizeAt - sizeof(std::uint64_t);
        std::memcpy(partsWaiting_.data() + sizeAt, &beforeSize, sizeof beforeSize);
        const std::uint64_t afterSize = afterLine_.size();
        partsWaiting_.append(reinterpret_cast<const char*>(&afterSize), sizeof afterSize).append(afterLine_);
        partsBytes_ += 2 * sizeof(std::uint64_t) + beforeSize + afterSize;
        if (partsWaiting_.size() >= partsWriteBytes) writeWaitingParts();
        const std::size_t remembered = finding.matchedText().size() + bytesBesideEachText;
        if (knownBytes_ + remembered <= sharedTextBytes) {
            knownBytes_ += remembered;
            known_.insert(knownTexts_.copy(finding.matchedText()));
            knownAt_.push_back(at);
        }
        return at;
    }

    // The frame at `at` read from the parts file into `frame`; false past the file's end.
    bool readFrame(std::uint64_t at, std::array<std::string, 2>& frame) const {
        for (std::string& piece : frame) {
            std::uint64_t size = 0;
            if (!readAt(at, &size, sizeof size) || size > partsBytes_) return false;
            piece.resize(size);
            if (!readAt(at + sizeof size, piece.data(), size)) return false;
            at += sizeof size + size;
        }
        return true;
    }

    bool readAt(std::uint64_t at, void* into, std::size_t size) const {
        auto read = pread(fileno(parts_.get()), into, size, static_cast<off_t>(at));
        return read >= 0 && static_cast<std::size_t>(read) == size;
    }

    // A piece of the parts file, its size first; false past the file's end.
    static bool piece(std::string_view bytes, std::size_t& at, std::string_view& piece) {
        std::uint64_t size = 0;
        if (at > bytes.size() || bytes.size() - at < sizeof size) return false;
        std::memcpy(&size, bytes.data() + at, sizeof size);
        at += sizeof size;
        if (bytes.size() - at < size) return false;
        piece = bytes.substr(at, size);
        at += size;
        return true;
    }

    File parts_{std::tmpfile()};
    std::string partsWaiting_; // written to the parts file, but for the file itself
    std::string afterLine_;    // the frame's text after the line, before it joins partsWaiting_
    SpoolFile records_;
    TextArena knownTexts_;
    DistinctTexts known_;                // the texts remembered, numbered
    std::vector<std::uint64_t> knownAt_; // where each one's parts stand
    std::size_t knownBytes_ = 0;
    std::uint64_t partsBytes_ = 0;
    std::size_t lastLine_ = 0;
    std::shared_ptr<const DecodeChain> lastChain_; // the last finding's, written at lastAt_
    std::optional<std::uint64_t> lastAt_;
    const DecodeChain* lastPrepared_ = nullptr; // the chain of the finding prepared last
    bool spooled_ = true;
};

} // namespace

std::optional<std::size_t> writeScanDocument(const ScanRun& scan) {
    EntrySpool spool;
    if (!spool.open()) return std::nullopt;
    std::size_t count = 0;
    bool writable = true; // one finding that cannot be written turns the document into "{}"
    // The findings are spooled, their chains written out, on a thread of their own, while the
    // scanner settles the next ones.
    BackgroundConsumer<ScanFinding> spooling(
        [&](ScanFinding&& finding) { writable = writable && spool.add(finding); },
        [&](const ScanFinding& finding) { spool.prepare(finding); }, 1024, 4, spoolBatchBytes);
    bool read = scan(
        [&](ScanFinding&& finding) {
            const std::size_t weight = heldBytes(finding);
            spooling.push(std::move(finding), weight);
            ++count;
        },
        {});
    if (!read) return std::nullopt;
    spooling.finish();
    if (!spool.spooled()) return std::nullopt;
    if (!writable) {
        writeOut("{}\n");
        return count;
    }
    writeOut(TindrelJSON::scanOpening(count));
    if (!spool.replay(count)) return std::nullopt;
    writeOut(TindrelJSON::scanClosing(count) + "\n");
    return count;
}

} // namespace tindrel::cli
