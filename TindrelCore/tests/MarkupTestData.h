#pragma once

#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Bytes.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tindrel {

// `unit` written `times` times over.
inline std::string repeated(std::string_view unit, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

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

inline bool mentions(const DecodeChain& chain, DetectionKind kind) {
    std::vector<DetectionKind> kinds = chain.kinds();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// Hostile markup sent as Base64, inspected alone and scanned on one log line: answered, and never
// read as `kind`.
inline void expectUnreadWhenEncoded(const std::string& text, DetectionKind kind) {
    std::string encoded = Bytes::base64Encode(text);
    EXPECT_FALSE(mentions(Tindrel::inspect(encoded), kind));
    for (const ScanFinding& finding : Tindrel::scan("12:00:01 upload body=" + encoded + " status=413\n"))
        EXPECT_FALSE(mentions(finding.chain, kind));
}

} // namespace tindrel
