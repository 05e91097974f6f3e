#include "../ScanLogs.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// Writes the realistic benchmark log of MEGABYTES megabytes to standard output.
int main(int argc, char** argv) {
    if (argc != 2 || std::atol(argv[1]) <= 0) {
        std::fputs("usage: tindrel-scan-log MEGABYTES\n", stderr);
        return 2;
    }
    std::string log = tindrel::ScanLogs::realistic(static_cast<std::size_t>(std::atol(argv[1])) << 20);
    return std::fwrite(log.data(), 1, log.size(), stdout) == log.size() ? 0 : 1;
}
