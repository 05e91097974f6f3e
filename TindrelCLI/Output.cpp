#include "TindrelCLI/Output.h"

#include "TindrelCLI/Commands.h"
#include "TindrelCLI/TerminalSafe.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace tindrel::cli {
namespace {

constexpr int readerGone = 128 + SIGPIPE;

[[noreturn]] void endForFailedWrite(int error) {
    if (error != EPIPE) writeError(std::string("tindrel: cannot write the output: ") + std::strerror(error));
    std::_Exit(error == EPIPE ? readerGone : failure);
}

} // namespace

void writeOut(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) endForFailedWrite(errno);
}

void flushOut() {
    if (std::fflush(stdout) != 0) endForFailedWrite(errno);
}

int finishOutput(int status) {
    errno = 0; // a write that failed earlier and left no reason shows as an I/O error
    bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    if (!written || std::fclose(stdout) != 0) endForFailedWrite(errno != 0 ? errno : EIO);
    return status;
}

void writeError(std::string_view line) {
    static const bool terminal = isatty(STDERR_FILENO) == 1;
    std::string text = terminal ? escapeControls(line) : std::string(line);
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
}

std::string temporaryFileError() {
    return std::string("tindrel: cannot use a temporary file: ") + std::strerror(errno);
}

} // namespace tindrel::cli
