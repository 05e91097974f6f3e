#include "TindrelCLI/Hints.h"

#include "TindrelCLI/Output.h"
#include "TindrelCore/Tindrel.h"

#include <fmt/format.h>
#include <string>
#include <sys/stat.h>

namespace tindrel::cli {

// Counting means a whole scan; past this size the hint would cost more than the inspection it
// follows, so a huge text goes without it.
constexpr std::size_t largestTextCounted = std::size_t{4} << 20;

void hintArtifactsInside(std::string_view text) {
    if (text.size() > largestTextCounted) return;
    std::size_t count = 0;
    Tindrel::scan(text, [&count](ScanFinding&&) { ++count; });
    if (count == 0) return;
    writeError(
        fmt::format("{} {} inside \u2014 try `tindrel scan`", count, count == 1 ? "artifact" : "artifacts"));
}

void hintFileContents(std::string_view argument, std::string_view command) {
    struct stat info {};
    std::string path(argument);
    if (argument == "-" || ::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return;
    writeError(fmt::format("tindrel: {} is a file \u2014 to read what it holds: {} - < {}", path, command,
                           shellWord(path)));
}

std::string shellWord(std::string_view word) {
    constexpr std::string_view safe =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-+./:,@%=";
    if (!word.empty() && word.find_first_not_of(safe) == std::string_view::npos) return std::string(word);
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

} // namespace tindrel::cli
