#include "TindrelCLI/FileScans.h"

#include "TindrelCLI/Input.h"
#include "TindrelCLI/MappedFile.h"
#include "TindrelCLI/SpoolFile.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/scan/OrderedWork.h"
#include "TindrelCore/scan/ScanStream.h"
#include "TindrelCore/text/LineColumns.h"
#include "TindrelCore/text/Text.h"

namespace tindrel::cli {
namespace {

// A file's findings go on in parts of this many, and at most this many parts of a file wait to be
// written: a file of millions of findings holds a few thousand at a time.
constexpr std::size_t findingsPerPart = 64;
constexpr std::size_t partsWaitingPerFile = 64;

// Hands a file's findings on in parts, the first telling how the file was read. A file that gives
// no finding still sends that one.
template <typename HandOn> class FileParts {
public:
    FileParts(const std::string& path, HandOn& handOn)
        : part_{path, true, false, {}, {}}
        , handOn_(handOn) {}

    void markBinary() { part_.binary = true; }
    void add(ScanFinding&& finding, std::size_t column) {
        part_.findings.push_back({std::move(finding), column});
        if (part_.findings.size() >= findingsPerPart) send();
    }
    void finish() {
        if (!part_.continued || !part_.findings.empty()) send();
    }

private:
    void send() {
        FileScan next{part_.path, true, false, {}, {}, true};
        std::swap(next, part_);
        handOn_(std::move(next));
    }

    FileScan part_;
    HandOn& handOn_;
};

// A text is binary when a NUL byte stands among its first 8 KB.
constexpr std::size_t binaryProbeBytes = std::size_t{8} << 10;
// A copy made valid is written a megabyte at a time.
constexpr std::size_t copySliceBytes = std::size_t{1} << 20;

// Texts up to this size are scanned whole; a stream would start threads of its own for each of
// the thousands of small files a tree holds.
constexpr std::size_t streamedAbove = std::size_t{1} << 20;

// The findings of a text, with their columns, as the text is scanned: a large one, a mapped file,
// as a stream, where it lies and in bounded memory, its columns counted in it while it is mapped.
template <typename HandOn> void scanText(std::string_view text, bool skipBinary, FileParts<HandOn>& parts) {
    if (skipBinary && looksBinary(text)) {
        parts.markBinary();
        return;
    }
    LineColumns columns(text);
    auto add = [&](ScanFinding&& finding) {
        const std::size_t column = columns.columnAt(finding.offset);
        parts.add(std::move(finding), column);
    };
    if (text.size() <= streamedAbove) {
        for (ScanFinding& finding : Tindrel::scan(text))
            add(std::move(finding));
        return;
    }
    ScanStream stream = Tindrel::scanStream(add);
    stream.feed(text, true);
    stream.finish();
}

// Whether the text `bytes` make once valid looks binary, told from its head alone: made valid,
// bytes never shrink, so the head made valid covers all that looksBinary reads.
bool looksBinaryOnceValid(std::string_view bytes) {
    const std::size_t head = Text::cutBetweenScalars(bytes, binaryProbeBytes + 3);
    return looksBinary(Text::sanitizeUTF8(bytes.substr(0, head)));
}

// A large mapped file that is not valid UTF-8 is made valid into a temporary file, a slice at a
// time, and that is mapped and scanned where it lies: read whole and made valid in memory, the file
// was held twice over. False when the copy could not be made.
template <typename HandOn>
bool scanValidCopy(std::string_view bytes, ChunkReader& input, bool skipBinary, FileParts<HandOn>& parts) {
    if (skipBinary && looksBinaryOnceValid(bytes)) {
        parts.markBinary();
        return true;
    }
    SpoolFile copy;
    auto write = [&](std::string_view valid, std::size_t through) {
        input.release(bytes.data() + through);
        return append(copy.get(), valid);
    };
    if (!copy || !Text::sanitizeUTF8InSlices(bytes, copySliceBytes, write)) return false;
    std::optional<MappedFile> mapped = MappedFile::ofWritten(copy.get());
    if (!mapped) return false;
    scanText(mapped->bytes(), false, parts);
    return true;
}

// A large regular file is mapped and scanned where it lies, or where a copy made valid UTF-8 lies;
// any other is read whole and made valid first, so that the columns count in the text the findings
// come from.
template <typename HandOn> void scanFile(const std::string& path, bool skipBinary, HandOn& handOn) {
    ChunkReader input(path);
    std::string gathered;
    FileParts<HandOn> parts(path, handOn);
    bool read = input.error().empty() && input.readAll([&](std::string_view bytes, bool last) {
        const bool whole = last && gathered.empty();
        if (whole && Text::isValidUTF8(bytes))
            scanText(bytes, skipBinary, parts);
        else if (!(whole && bytes.size() > streamedAbove && scanValidCopy(bytes, input, skipBinary, parts)))
            gathered.append(bytes);
    });
    if (!read) {
        handOn(FileScan{path, false, false, input.error(), {}});
        return;
    }
    if (!gathered.empty()) {
        Text::makeValidUTF8(gathered);
        scanText(gathered, skipBinary, parts);
    }
    parts.finish();
}

} // namespace

bool looksBinary(std::string_view text) {
    return text.substr(0, binaryProbeBytes).find('\0') != std::string_view::npos;
}

void scanFiles(const std::vector<std::string>& paths, bool skipBinary,
               const std::function<void(FileScan&&)>& each) {
    runInOrder<FileScan>(
        paths.size(), [&](std::size_t i, auto& handOn) { scanFile(paths[i], skipBinary, handOn); }, each,
        partsWaitingPerFile);
}

} // namespace tindrel::cli
