#pragma once

#include "TindrelCLI/SpoolFile.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tindrel::cli {

// The entries of a scan document, written to an unnamed temporary file as they come and joined
// there, so that a scan of many files holds none of the files before: the document, headed by the
// count, is written once they are all in.
class SpooledEntries {
public:
    bool open() const { return static_cast<bool>(file_); }
    // An entry that cannot be written (nothing) turns the whole document into "{}".
    void add(const std::optional<std::string>& entry);
    // Writes the document to standard output; false when the temporary file failed (errno tells why).
    bool writeDocument();

private:
    SpoolFile file_;
    std::size_t count_ = 0;
    bool writable_ = true;
    bool spooled_ = true;
};

} // namespace tindrel::cli
