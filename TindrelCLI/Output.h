#pragma once

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

// One line on standard error, its control characters escaped when that is a terminal.
void writeError(std::string_view line);

} // namespace tindrel::cli
