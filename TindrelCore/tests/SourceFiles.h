#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tindrel::fixtures {

// The bytes of a file under TindrelCore/tests/data/, found through TINDREL_SOURCE_DIR.
std::optional<std::string> testData(std::string_view relativePath);

// Every byte of the file at `path`; nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

} // namespace tindrel::fixtures
