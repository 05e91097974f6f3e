#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tindrel::cli {

// Writes to standard output. A write that fails ends the process at once: quietly with 141, as a
// program stopped by SIGPIPE would, when the reader went away; otherwise with one line on standard
// error and status 2.
void writeOut(std::string_view text);
// Sends what was written to standard output on at once, ending the process as writeOut does when
// that fails.
void flushOut();
// Flushes and closes standard output, ending the process the same way when that fails; answers `status`.
int finishOutput(int status);

// Text for standard output gathered into writes of 64 KiB: a writer of millions of short pieces
// would otherwise pay a locked stdio call for each.
class OutputBatch {
public:
    // Where the pieces are appended.
    std::string& text() { return text_; }
    // Writes what is gathered once it fills a batch, or at once with `now`.
    void send(bool now = false) {
        if (!now && text_.size() < batchBytes) return;
        writeOut(text_);
        text_.clear();
    }

private:
    static constexpr std::size_t batchBytes = std::size_t{64} << 10;
    std::string text_;
};

// One line on standard error, its control characters escaped when that is a terminal.
void writeError(std::string_view line);
// The line that says a temporary file failed, with errno's reason.
std::string temporaryFileError();

} // namespace tindrel::cli
