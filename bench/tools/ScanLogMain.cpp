#include "../ScanLogs.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Writes the realistic benchmark log of MEGABYTES megabytes to standard output, or with --tokens,
// COUNT lines of one artifact each.
int main(int argc, char** argv) {
    bool tokens = argc == 3 && std::string_view(argv[1]) == "--tokens";
    if ((argc != 2 && !tokens) || std::atol(argv[argc - 1]) <= 0) {
        std::fputs("usage: tindrel-scan-log MEGABYTES | --tokens COUNT\n", stderr);
        return 2;
    }
    auto amount = static_cast<std::size_t>(std::atol(argv[argc - 1]));
    std::string text =
        tokens ? tindrel::ScanLogs::tokens(amount) : tindrel::ScanLogs::realistic(amount << 20);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
