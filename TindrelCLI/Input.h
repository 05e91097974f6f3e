#pragma once

#include "TindrelCLI/MappedFile.h"
#include "TindrelCLI/SpoolFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel::cli {

struct ReadResult {
    std::optional<std::string> text; // valid UTF-8 (ill-formed sequences became U+FFFD) unless kept as read
    std::string error;               // one line for stderr when text is absent
};

// Reads a whole file ("-" or empty: standard input) in as few reads as possible.
ReadResult readAll(const std::string& path, bool keepBytes = false);

// A file ("-" or empty: standard input) read a chunk at a time, for input too large or too long
// lasting to hold: a pipe that never ends, a device.
class ChunkReader {
public:
    explicit ChunkReader(const std::string& path); // opens the file
    ~ChunkReader();
    ChunkReader(const ChunkReader&) = delete;
    ChunkReader& operator=(const ChunkReader&) = delete;

    // One line for stderr once the file could not be opened or read; empty while all is well.
    const std::string& error() const { return error_; }
    // Reads to the end of the file, handing over the bytes as they come, cut anywhere (even inside
    // a UTF-8 sequence), and whether they are known to be the last. False when reading failed. A
    // regular file of more than a megabyte is mapped and handed over in one call, the last; `release`
    // then gives back the pages of the bytes it is past.
    bool readAll(const std::function<void(std::string_view, bool last)>& each);
    // Makes every readAll hand over the same bytes, for a reader that must see the whole text before
    // it writes: a regular file of more than a megabyte is mapped now, and stays mapped however the
    // file grows meanwhile; any other input is copied as the first readAll reads it, to an unnamed
    // temporary file that the later ones map. False when that file cannot be made.
    bool keepForRereading();
    // The bytes handed over before `upTo` will not be read again (until the next readAll).
    void release(const char* upTo);
    // The same, calling `paused(false)` whenever the file has no more bytes for now, before waiting
    // for them, and `paused(true)` once when it then stays silent for two seconds. With `growth`, the end of
    // a regular file is not the end: the file is read again every quarter second as it grows, and SIGINT or
    // SIGTERM end the reading instead (true: the text read so far is whole), as they do on any file while it
    // is waited for.
    bool follow(const std::function<void(std::string_view)>& each, const std::function<void(bool)>& paused,
                bool growth);
    // The file is a pipe (or a FIFO), whose writer may pause for as long as it likes.
    bool isPipe() const;

private:
    bool keepCopy();

    std::string path_;
    int fd_;
    std::string error_;
    std::optional<MappedFile> mapped_; // while readAll hands it over, or kept for rereading
    bool rereadable_ = false;
    std::optional<SpoolFile> copy_; // what the first reading reads, to be read again
    std::size_t copied_ = 0;
};

// The command-line text itself, made valid UTF-8.
std::string argumentText(const std::string& argument);

} // namespace tindrel::cli
