#include "TindrelCLI/Input.h"

#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tindrel::cli {
namespace {

// Reads until end of file; a regular file's size sizes the buffer once.
bool readDescriptor(int fd, std::string& out) {
    struct stat info {};
    std::size_t chunk = 1 << 20;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        out.reserve(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == out.size()) out.resize(std::max({out.capacity(), used + chunk, out.size() * 2}));
        ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    return true;
}

} // namespace

ReadResult readAll(const std::string& path, bool keepBytes) {
    bool standardInput = path.empty() || path == "-";
    int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {std::nullopt, fmt::format("tindrel: cannot open {}: {}", path, std::strerror(errno))};
    std::string text;
    bool ok = readDescriptor(fd, text);
    int readError = errno;
    if (!standardInput) ::close(fd);
    if (!ok) {
        std::string name = standardInput ? "standard input" : path;
        return {std::nullopt, fmt::format("tindrel: cannot read {}: {}", name, std::strerror(readError))};
    }
    if (!keepBytes) Text::makeValidUTF8(text);
    return {std::move(text), {}};
}

std::string argumentText(const std::string& argument) {
    return Text::sanitizeUTF8(argument);
}

} // namespace tindrel::cli
