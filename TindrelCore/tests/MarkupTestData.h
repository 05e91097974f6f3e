#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tindrel {

// The bytes of TindrelCore/tests/data/<relative>; ctest sets TINDREL_SOURCE_DIR.
inline std::string markupTestData(const std::string& relative) {
    const char* root = std::getenv("TINDREL_SOURCE_DIR");
    std::string path = std::string(root ? root : ".") + "/TindrelCore/tests/data/" + relative;
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("missing test data: " + path);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace tindrel
