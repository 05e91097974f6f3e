#include "TindrelCLI/MappedFile.h"

#include "TindrelCLI/Commands.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fmt/format.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tindrel::cli {
namespace {

// Written by the SIGBUS handler, which may use nothing but async-signal-safe calls.
char shrankMessage[512];
std::size_t shrankLength = 0;
int mappings = 0;
struct sigaction previousBusAction {};

extern "C" void reportShrunkFile(int) {
    ssize_t ignored = ::write(STDERR_FILENO, shrankMessage, shrankLength);
    (void)ignored;
    ::_exit(failure);
}

void catchFaults(const std::string& path) {
    if (mappings++ > 0) return;
    std::string message =
        fmt::format("tindrel: cannot read {}: the file was cut short while it was read\n", path);
    shrankLength = std::min(message.size(), sizeof shrankMessage);
    std::memcpy(shrankMessage, message.data(), shrankLength);
    struct sigaction action {};
    action.sa_handler = reportShrunkFile;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &previousBusAction);
}

void stopCatchingFaults() {
    if (--mappings == 0) sigaction(SIGBUS, &previousBusAction, nullptr);
}

std::size_t pageSize() {
    static const auto size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

} // namespace

std::optional<MappedFile> MappedFile::ofRest(int fd, const std::string& path, std::size_t least) {
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    off_t offset = lseek(fd, 0, SEEK_CUR);
    if (offset < 0 || info.st_size <= offset || static_cast<std::size_t>(info.st_size - offset) <= least)
        return std::nullopt;
    auto length = static_cast<std::size_t>(info.st_size);
    void* base = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0);
    if (base == MAP_FAILED) return std::nullopt;
    madvise(base, length, MADV_SEQUENTIAL);
    lseek(fd, info.st_size, SEEK_SET);
    catchFaults(path);
    return MappedFile(static_cast<char*>(base), length, static_cast<std::size_t>(offset));
}

std::optional<MappedFile> MappedFile::ofWritten(std::FILE* file) {
    if (std::fflush(file) != 0 || lseek(fileno(file), 0, SEEK_SET) != 0) return std::nullopt;
    return ofRest(fileno(file), "a temporary file", 0);
}

MappedFile::MappedFile(char* base, std::size_t length, std::size_t offset)
    : base_(base)
    , length_(length)
    , begin_(base + offset)
    , released_(base) {}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : base_(std::exchange(other.base_, nullptr))
    , length_(other.length_)
    , begin_(other.begin_)
    , released_(other.released_) {}

MappedFile::~MappedFile() {
    if (base_ == nullptr) return;
    munmap(base_, length_);
    stopCatchingFaults();
}

void MappedFile::release(const char* upTo) {
    if (upTo < released_ || upTo > base_ + length_) return;
    auto pages = static_cast<std::size_t>(upTo - released_) / pageSize() * pageSize();
    if (pages == 0) return;
    madvise(released_, pages, MADV_DONTNEED);
    released_ += pages;
}

} // namespace tindrel::cli
