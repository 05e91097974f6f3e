#include "TindrelCLI/FileScans.h"

#include "TindrelCLI/Input.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace tindrel::cli {
namespace {

FileScan scanFile(const std::string& path, bool skipBinary) {
    FileScan result{path, false, false, {}, {}};
    ReadResult read = readAll(path);
    if (!read.text) {
        result.error = std::move(read.error);
        return result;
    }
    result.read = true;
    result.binary = skipBinary && looksBinary(*read.text);
    if (result.binary) return result;
    for (ScanFinding& finding : Tindrel::scan(*read.text)) {
        std::size_t column = columnAt(*read.text, finding.offset);
        result.findings.push_back({std::move(finding), column});
    }
    return result;
}

// Results arrive in any order and leave in the order of their paths.
class OrderedResults {
public:
    explicit OrderedResults(std::size_t count)
        : slots_(count) {}

    void put(std::size_t index, FileScan&& scan) {
        {
            std::lock_guard lock(mutex_);
            slots_[index] = std::move(scan);
        }
        ready_.notify_all();
    }

    FileScan take(std::size_t index) {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return slots_[index].has_value(); });
        FileScan scan = std::move(*slots_[index]);
        slots_[index].reset();
        return scan;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<std::optional<FileScan>> slots_;
};

} // namespace

std::size_t columnAt(std::string_view text, std::size_t offset) {
    std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    lineStart = lineStart == std::string_view::npos || offset == 0 ? 0 : lineStart + 1;
    return 1 + Text::characterCount(text.substr(lineStart, offset - lineStart));
}

bool looksBinary(std::string_view text) {
    return text.substr(0, std::size_t{8} << 10).find('\0') != std::string_view::npos;
}

void scanFiles(const std::vector<std::string>& paths, bool skipBinary,
               const std::function<void(FileScan&&)>& each) {
    OrderedResults results(paths.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < paths.size(); i = next++)
            results.put(i, scanFile(paths[i], skipBinary));
    };
    std::size_t workers =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), paths.size());
    std::vector<std::jthread> pool;
    for (std::size_t i = 0; i < workers; ++i)
        pool.emplace_back(work);
    for (std::size_t i = 0; i < paths.size(); ++i)
        each(results.take(i));
}

} // namespace tindrel::cli
