#pragma once

#include "TindrelCore/scan/Scanner.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel::cli {

struct LocatedFinding {
    ScanFinding finding;
    std::size_t column; // 1-based, in user-perceived characters
};

// A file's findings come in parts; the first tells how the file was read, the ones after continue it.
struct FileScan {
    std::string path;
    bool read = false;
    bool binary = false; // left unscanned
    std::string error;   // why it could not be read
    std::vector<LocatedFinding> findings;
    bool continued = false; // more findings of the file of the part before
};

// Whether a text is binary: a NUL byte within its first 8 KiB.
bool looksBinary(std::string_view text);

// Scans the files on a pool of threads and hands the results to `each` in the order of `paths`, in
// parts as they are found, so that no file's findings are all held. With `skipBinary`, binary files
// are not scanned.
void scanFiles(const std::vector<std::string>& paths, bool skipBinary,
               const std::function<void(FileScan&&)>& each);

} // namespace tindrel::cli
