#include "TindrelCLI/ScanDocument.h"

#include "TindrelCLI/Output.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/scan/BackgroundConsumer.h"
#include "TindrelCore/scan/DistinctTexts.h"
#include "TindrelCore/text/TextArena.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace tindrel::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// An unnamed temporary file read and written a megabyte at a time, straight through: a large log's
// records run to megabytes, which the default buffer would move a few kilobytes a call.
class SpoolFile {
public:
    SpoolFile() {
        if (file_) std::setvbuf(file_.get(), buffer_.get(), _IOFBF, bufferBytes);
    }
    std::FILE* get() const { return file_.get(); }
    explicit operator bool() const { return file_ != nullptr; }

private:
    static constexpr std::size_t bufferBytes = std::size_t{1} << 20;
    std::unique_ptr<char[]> buffer_{new char[bufferBytes]}; // first: the file flushes it as it closes
    File file_{std::tmpfile()};
};

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
    std::size_t bytes = finding.matchedText.size() + finding.chain->input.size();
    for (const DecodeResult& step : finding.chain->steps)
        bytes += step.output.size() + step.summary.size();
    return bytes;
}

bool append(std::FILE* file, std::string_view text) {
    return fwrite_unlocked(text.data(), 1, text.size(), file) == text.size();
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

bool readInto(std::FILE* file, std::string& out) {
    std::uint64_t size = 0;
    if (fread_unlocked(&size, sizeof size, 1, file) != 1) return false;
    out.resize(size);
    return fread_unlocked(out.data(), 1, size, file) == size;
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

    // False when the finding cannot be written; the document is then "{}".
    bool add(const ScanFinding& finding) {
        std::optional<std::uint64_t> at = partsOf(finding);
        if (!at) return false;
        spooled_ = spooled_ && appendVarint(records_.get(), *at) &&
                   appendVarint(records_.get(), finding.line - lastLine_);
        lastLine_ = finding.line;
        return true;
    }

    // Writes the entries, joined, to standard output.
    bool replay(std::size_t count) {
        if (!spooled() || std::fflush(parts_.get()) != 0 || std::fflush(records_.get()) != 0 ||
            std::fseek(records_.get(), 0, SEEK_SET) != 0)
            return false;
        TindrelJSON::EntryFrame frame;
        std::optional<std::uint64_t> frameAt;
        std::uint64_t line = 0;
        OutputBatch out;
        for (std::size_t i = 0; i < count; ++i) {
            std::optional<std::uint64_t> at = readVarint(records_.get());
            std::optional<std::uint64_t> lines = readVarint(records_.get());
            if (!at || !lines) return false;
            if (frameAt != at && !readFrame(*at, frame)) return false;
            frameAt = at;
            line += *lines;
            if (i > 0) out.text() += TindrelJSON::entrySeparator;
            TindrelJSON::appendEntry(out.text(), frame, line);
            out.send();
        }
        out.send(true);
        return true;
    }

private:
    // The parts file is read back a few kilobytes at a time, now and then out of order, so it keeps
    // its small buffer; its members are written a megabyte at a time from here instead.
    static constexpr std::size_t partsWriteBytes = std::size_t{1} << 20;

    void writeWaitingParts() {
        spooled_ = spooled_ && append(parts_.get(), partsWaiting_);
        partsWaiting_.clear();
    }

    // Where the finding's entry frame stands, written there first unless its text came before.
    std::optional<std::uint64_t> partsOf(const ScanFinding& finding) {
        if (std::optional<std::size_t> known = known_.find(finding.matchedText)) return knownAt_[*known];
        std::optional<TindrelJSON::ChainParts> parts = TindrelJSON::chainParts(*finding.chain);
        std::optional<std::string> text = TindrelJSON::matchedTextMember(finding.matchedText);
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
        const std::size_t remembered = finding.matchedText.size() + bytesBesideEachText;
        if (knownBytes_ + remembered <= sharedTextBytes) {
            knownBytes_ += remembered;
            known_.insert(knownTexts_.copy(finding.matchedText));
            knownAt_.push_back(at);
        }
        return at;
    }

    // Texts seen once come in the order their parts were written, so the parts file is mostly read
    // straight through; only a repeated text sends the reader back.
    bool readFrame(std::uint64_t at, TindrelJSON::EntryFrame& frame) {
        if (at != partsReadAt_ && std::fseek(parts_.get(), static_cast<long>(at), SEEK_SET) != 0)
            return false;
        partsReadAt_ = std::nullopt;
        if (!readInto(parts_.get(), frame.beforeLine) || !readInto(parts_.get(), frame.afterLine))
            return false;
        partsReadAt_ = at + 2 * sizeof(std::uint64_t) + frame.beforeLine.size() + frame.afterLine.size();
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
    std::optional<std::uint64_t> partsReadAt_; // where the parts file's reader stands
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
        [&](ScanFinding&& finding) { writable = writable && spool.add(finding); }, 1024, 4, spoolBatchBytes);
    bool read = scan([&](ScanFinding&& finding) {
        const std::size_t weight = heldBytes(finding);
        spooling.push(std::move(finding), weight);
        ++count;
    });
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
