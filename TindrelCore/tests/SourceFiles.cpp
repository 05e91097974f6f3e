#include "SourceFiles.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tindrel::fixtures {

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::optional<std::string> testData(std::string_view relativePath) {
    const char* root = std::getenv("TINDREL_SOURCE_DIR");
    if (!root) return std::nullopt;
    return readFile(std::string(root) + "/TindrelCore/tests/data/" + std::string(relativePath));
}

} // namespace tindrel::fixtures
