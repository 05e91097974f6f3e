#pragma once

#include <optional>
#include <string>

namespace tindrel::cli {

struct ReadResult {
    std::optional<std::string> text; // valid UTF-8 (ill-formed sequences became U+FFFD) unless kept as read
    std::string error;               // one line for stderr when text is absent
};

// Reads a whole file ("-" or empty: standard input) in as few reads as possible.
ReadResult readAll(const std::string& path, bool keepBytes = false);

// The command-line text itself, made valid UTF-8.
std::string argumentText(const std::string& argument);

} // namespace tindrel::cli
