#include "TindrelCLI/FileScans.h"

#include "TindrelCLI/Input.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/scan/OrderedWork.h"
#include "TindrelCore/text/LineColumns.h"

namespace tindrel::cli {
namespace {

FileScan scanFile(const std::string& path, bool skipBinary) {
    FileScan result{path, false, false, {}, {}};
    ReadResult read = readAll(path);
    if (!read.text) {
        result.error = std::move(read.error);
        return result;
    }
    result.read = true;
    result.binary = skipBinary && looksBinary(*read.text);
    if (result.binary) return result;
    LineColumns columns(*read.text);
    for (ScanFinding& finding : Tindrel::scan(*read.text)) {
        std::size_t column = columns.columnAt(finding.offset);
        result.findings.push_back({std::move(finding), column});
    }
    return result;
}

} // namespace

bool looksBinary(std::string_view text) {
    return text.substr(0, std::size_t{8} << 10).find('\0') != std::string_view::npos;
}

void scanFiles(const std::vector<std::string>& paths, bool skipBinary,
               const std::function<void(FileScan&&)>& each) {
    runInOrder<FileScan>(
        paths.size(), [&](std::size_t i, auto& emit) { emit(scanFile(paths[i], skipBinary)); }, each);
}

} // namespace tindrel::cli
