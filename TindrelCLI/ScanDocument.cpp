#include "TindrelCLI/ScanDocument.h"

#include "TindrelCLI/Output.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"

#include <cstdio>
#include <memory>
#include <string>

namespace tindrel::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool append(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

// Copies the spooled entries to standard output.
bool replay(std::FILE* spool) {
    if (std::fflush(spool) != 0 || std::fseek(spool, 0, SEEK_SET) != 0) return false;
    std::string buffer(std::size_t{1} << 16, '\0');
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), spool))
        writeOut(std::string_view(buffer).substr(0, n));
    return !std::ferror(spool);
}

} // namespace

std::optional<std::size_t> writeScanDocument(std::string_view text,
                                             const std::function<void(DecodeChain&)>& prepare) {
    File spool(std::tmpfile());
    if (!spool) return std::nullopt;
    std::size_t count = 0;
    bool writable = true; // one finding that cannot be written turns the document into "{}"
    bool spooled = true;
    Tindrel::scan(text, [&](ScanFinding&& finding) {
        prepare(finding.chain);
        if (writable) {
            std::optional<std::string> entry = TindrelJSON::findingEntry(finding);
            writable = entry.has_value();
            if (writable && count > 0) spooled = spooled && append(spool.get(), TindrelJSON::entrySeparator);
            if (writable) spooled = spooled && append(spool.get(), *entry);
        }
        ++count;
    });
    if (!spooled) return std::nullopt;
    if (!writable) {
        writeOut("{}\n");
        return count;
    }
    writeOut(TindrelJSON::scanOpening(count));
    if (!replay(spool.get())) return std::nullopt;
    writeOut(TindrelJSON::scanClosing(count) + "\n");
    return count;
}

} // namespace tindrel::cli
