#include "TindrelCLI/Input.h"

#include "TindrelCLI/Output.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fmt/format.h>
#include <optional>
#include <poll.h>
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

bool hasType(int fd, mode_t type) {
    struct stat info {};
    return fstat(fd, &info) == 0 && (info.st_mode & S_IFMT) == type;
}

volatile std::sig_atomic_t interruptSeen = 0;

extern "C" void noteInterrupt(int) {
    interruptSeen = 1;
}

// While a file is followed, SIGINT and SIGTERM end the reading rather than the process, so that
// the text read so far is still scanned to its end. They stay blocked but in the waits: one that
// comes while bytes are scanned is let in by the next wait, never lost between a check and a wait.
// A signal the process was started ignoring stays ignored. Once one has ended the reading, the
// handlers stay: a stop is often sent twice (`timeout` signals its child and then the child's whole
// process group), and the second copy must not kill the scan while it writes what it found.
class Interrupts {
public:
    Interrupts() {
        interruptSeen = 0;
        sigset_t both;
        sigemptyset(&both);
        sigaddset(&both, SIGINT);
        sigaddset(&both, SIGTERM);
        sigprocmask(SIG_BLOCK, &both, &before_);
        waiting_ = before_;
        sigdelset(&waiting_, SIGINT);
        sigdelset(&waiting_, SIGTERM);
        catchSignal(SIGINT, previousInt_);
        catchSignal(SIGTERM, previousTerm_);
    }
    ~Interrupts() {
        if (!interruptSeen) {
            sigaction(SIGINT, &previousInt_, nullptr);
            sigaction(SIGTERM, &previousTerm_, nullptr);
        }
        sigprocmask(SIG_SETMASK, &before_, nullptr);
    }
    Interrupts(const Interrupts&) = delete;
    Interrupts& operator=(const Interrupts&) = delete;

    // The signal mask for the waits.
    const sigset_t* waiting() const { return &waiting_; }

private:
    static void catchSignal(int signal, struct sigaction& previous) {
        sigaction(signal, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN) return;
        struct sigaction action {};
        action.sa_handler = noteInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }

    sigset_t before_;
    sigset_t waiting_;
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
};

enum class Wait { ready, timedOut, interrupted };

// Waits for `fd` to have bytes (or its end) to read, or, with no file (-1), for the time alone;
// `milliseconds` -1 waits for as long as it takes. `mask`, when given, lets the interrupts in.
Wait waitFor(int fd, int milliseconds, const sigset_t* mask) {
    pollfd file{fd, POLLIN, 0};
    timespec timeout{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1'000'000L};
    for (;;) {
        int ready = ppoll(&file, fd >= 0 ? 1 : 0, milliseconds >= 0 ? &timeout : nullptr, mask);
        if (interruptSeen) return Wait::interrupted;
        if (ready > 0) return Wait::ready;
        if (ready == 0) return Wait::timedOut;
        if (errno != EINTR) return Wait::ready; // the read tells what is wrong
    }
}

constexpr int growthPollMilliseconds = 250;
constexpr int overdueMilliseconds = 2000;
// A reader as fast as the writer finds the pipe empty between most of its writes: only a silence
// this long is a pause, or `cat log | tindrel scan` would scan the log a pipe buffer at a time,
// each with threads of its own, at a third of the speed. A person watching sees no delay.
constexpr int pauseMilliseconds = 20;

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

bool ChunkReader::keepForRereading() {
    if (rereadable_ || copy_ || fd_ < 0) return rereadable_ || copy_;
    if (std::optional<MappedFile> mapped = MappedFile::ofRest(fd_, path_, chunkBytes)) {
        mapped_.emplace(std::move(*mapped));
        rereadable_ = true;
        return true;
    }
    copy_.emplace();
    if (!*copy_) copy_.reset();
    return copy_.has_value();
}

bool ChunkReader::readAll(const std::function<void(std::string_view, bool)>& each) {
    if (fd_ < 0) return false;
    if (rereadable_) {
        if (mapped_) {
            mapped_->rewind();
            each(mapped_->bytes(), true);
        }
        return true;
    }
    if (std::optional<MappedFile> mapped = MappedFile::ofRest(fd_, path_, chunkBytes)) {
        mapped_.emplace(std::move(*mapped));
        each(mapped_->bytes(), true);
        mapped_.reset();
        return true;
    }
    std::string buffer(chunkBytes, '\0');
    for (;;) {
        ssize_t n = readSome(fd_, buffer.data(), buffer.size());
        if (n == 0) return !copy_ || keepCopy();
        if (n < 0) {
            error_ = readError(path_, errno);
            return false;
        }
        const std::string_view chunk(buffer.data(), static_cast<std::size_t>(n));
        each(chunk, false);
        if (copy_ && !append(copy_->get(), chunk)) {
            error_ = temporaryFileError();
            return false;
        }
        copied_ += chunk.size();
    }
}

// The copy, once whole, is mapped for the readings after the first.
bool ChunkReader::keepCopy() {
    if (copied_ > 0) {
        std::optional<MappedFile> mapped = MappedFile::ofWritten(copy_->get());
        if (!mapped) {
            error_ = temporaryFileError();
            return false;
        }
        mapped_.emplace(std::move(*mapped));
    }
    copy_.reset();
    rereadable_ = true;
    return true;
}

void ChunkReader::release(const char* upTo) {
    if (mapped_) mapped_->release(upTo);
}

bool ChunkReader::follow(const std::function<void(std::string_view)>& each,
                         const std::function<void(bool)>& paused, bool growth) {
    if (fd_ < 0) return false;
    std::optional<Interrupts> interrupts;
    if (growth) interrupts.emplace();
    const sigset_t* mask = interrupts ? interrupts->waiting() : nullptr;
    bool regular = hasType(fd_, S_IFREG);
    std::string buffer(chunkBytes, '\0');
    int silentPolls = 0;
    for (;;) {
        Wait now = waitFor(fd_, pauseMilliseconds, mask);
        if (now == Wait::timedOut) {
            paused(false);
            now = waitFor(fd_, overdueMilliseconds, mask);
        }
        if (now == Wait::timedOut) {
            paused(true);
            now = waitFor(fd_, -1, mask);
        }
        if (now == Wait::interrupted) return true;
        ssize_t n = readSome(fd_, buffer.data(), buffer.size());
        if (n < 0) {
            error_ = readError(path_, errno);
            return false;
        }
        if (n > 0) {
            each(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
            silentPolls = 0;
            continue;
        }
        if (!growth || !regular) return true;
        paused(++silentPolls == overdueMilliseconds / growthPollMilliseconds);
        if (waitFor(-1, growthPollMilliseconds, mask) == Wait::interrupted) return true;
    }
}

bool ChunkReader::isPipe() const {
    return fd_ >= 0 && hasType(fd_, S_IFIFO);
}

std::string argumentText(const std::string& argument) {
    return Text::sanitizeUTF8(argument);
}

} // namespace tindrel::cli
