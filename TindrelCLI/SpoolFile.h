#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

namespace tindrel::cli {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// An unnamed temporary file read and written a megabyte at a time, straight through: a large log's
// records run to megabytes, which the default buffer would move a few kilobytes a call.
class SpoolFile {
public:
    SpoolFile() {
        if (file_) std::setvbuf(file_.get(), buffer_.get(), _IOFBF, bufferBytes);
    }
    std::FILE* get() const { return file_.get(); }
    explicit operator bool() const { return file_ != nullptr; }

private:
    static constexpr std::size_t bufferBytes = std::size_t{1} << 20;
    std::unique_ptr<char[]> buffer_{new char[bufferBytes]}; // first: the file flushes it as it closes
    File file_{std::tmpfile()};
};

inline bool append(std::FILE* file, std::string_view text) {
    return fwrite_unlocked(text.data(), 1, text.size(), file) == text.size();
}

} // namespace tindrel::cli
