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
    std::string out;
    appendWrapped(out, code, text);
    return out;
}

void Style::appendStyled(std::string& out, std::string_view code, std::string_view text) const {
    out.append("\x1b[").append(code).append("m").append(text).append("\x1b[0m");
}

} // namespace tindrel::cli
