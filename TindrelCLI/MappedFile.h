#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel::cli {

// The rest of a regular file mapped into memory instead of read, so that a scan reads it where it
// stands. Its pages are given back as the reader passes them, so the mapping holds no more of the
// file than a read buffer would. A file cut shorter while it is mapped faults on the pages it lost:
// the process then ends as it does when a read fails, with a line on stderr and status 2.
class MappedFile {
public:
    // Maps what `fd` has left to read from its offset, which moves to the end of the file, when
    // it is a regular file with more than `least` bytes left; nothing otherwise.
    static std::optional<MappedFile> ofRest(int fd, const std::string& path, std::size_t least);
    // The whole of a temporary file written through `file`, once flushed; nothing when flushing or
    // mapping fails, or nothing was written.
    static std::optional<MappedFile> ofWritten(std::FILE* file);

    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&&) = delete;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::string_view bytes() const { return {begin_, base_ + length_}; }
    // The bytes before `upTo` will not be read again: their pages go back to the system.
    void release(const char* upTo);
    // The bytes will be read again from the start: the pages given back are mapped in again as
    // they are read, and go back again as the reader passes them.
    void rewind() { released_ = base_; }

private:
    MappedFile(char* base, std::size_t length, std::size_t offset);

    char* base_; // the mapping, from the start of the file
    std::size_t length_;
    const char* begin_; // where the rest begins
    char* released_;    // pages before this have gone back
};

} // namespace tindrel::cli
