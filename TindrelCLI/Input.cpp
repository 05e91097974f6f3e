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

constexpr std::size_t chunkBytes = std::size_t{1} << 20;

bool isStandardInput(const std::string& path) {
    return path.empty() || path == "-";
}

int openInput(const std::string& path) {
    return isStandardInput(path) ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

std::string openError(const std::string& path, int error) {
    return fmt::format("tindrel: cannot open {}: {}", path, std::strerror(error));
}

std::string readError(const std::string& path, int error) {
    return fmt::format("tindrel: cannot read {}: {}", isStandardInput(path) ? "standard input" : path,
                       std::strerror(error));
}

// One read into `buffer`: the byte count, 0 at the end of the file, -1 on an error (errno tells).
ssize_t readSome(int fd, char* buffer, std::size_t size) {
    for (;;) {
        ssize_t n = ::read(fd, buffer, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

// Reads until end of file; a regular file's size sizes the buffer once.
bool readDescriptor(int fd, std::string& out) {
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        out.reserve(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == out.size()) out.resize(std::max({out.capacity(), used + chunkBytes, out.size() * 2}));
        ssize_t n = readSome(fd, out.data() + used, out.size() - used);
        if (n < 0) return false;
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    return true;
}

} // namespace

ReadResult readAll(const std::string& path, bool keepBytes) {
    int fd = openInput(path);
    if (fd < 0) return {std::nullopt, openError(path, errno)};
    std::string text;
    bool ok = readDescriptor(fd, text);
    int error = errno;
    if (!isStandardInput(path)) ::close(fd);
    if (!ok) return {std::nullopt, readError(path, error)};
    if (!keepBytes) Text::makeValidUTF8(text);
    return {std::move(text), {}};
}

ChunkReader::ChunkReader(const std::string& path)
    : path_(path)
    , fd_(openInput(path)) {
    if (fd_ < 0) error_ = openError(path, errno);
}

ChunkReader::~ChunkReader() {
    if (fd_ >= 0 && !isStandardInput(path_)) ::close(fd_);
}

bool ChunkReader::readAll(const std::function<void(std::string_view)>& each) {
    if (fd_ < 0) return false;
    std::string buffer(chunkBytes, '\0');
    for (;;) {
        ssize_t n = readSome(fd_, buffer.data(), buffer.size());
        if (n == 0) return true;
        if (n < 0) {
            error_ = readError(path_, errno);
            return false;
        }
        each(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
    }
}

std::string argumentText(const std::string& argument) {
    return Text::sanitizeUTF8(argument);
}

} // namespace tindrel::cli
