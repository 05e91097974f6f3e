#include "TindrelCLI/Style.h"

#include <cstdlib>
#include <unistd.h>

namespace tindrel::cli {

Style Style::forStandardOutput() {
    const char* noColor = std::getenv("NO_COLOR");
    bool wantsColor = noColor == nullptr || noColor[0] == '\0';
    return Style(wantsColor && isatty(STDOUT_FILENO) == 1);
}

std::string Style::wrap(std::string_view code, std::string_view text) const {
    if (!enabled_) return std::string(text);
    return "\x1b[" + std::string(code) + "m" + std::string(text) + "\x1b[0m";
}

} // namespace tindrel::cli
