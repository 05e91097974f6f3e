#include "TindrelCLI/Output.h"

#include <cstdio>

namespace tindrel::cli {

void writeOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void writeError(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
}

} // namespace tindrel::cli
