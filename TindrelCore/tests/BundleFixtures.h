#pragma once

#include "TindrelCore/tests/SourceFiles.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The certificates of tests/data/x509/bundle (made once by its make.sh), put together into one text
// the way a fullchain.pem or a key-plus-certificate file holds them.
namespace tindrel::fixtures {

// 2025-06-01T00:00:00Z: the leaf, the intermediate and the root are valid, the expired
// intermediate ran out on 2025-01-01.
inline constexpr double bundleNow = 1748736000;

inline std::string bundleOf(std::initializer_list<std::string_view> files) {
    std::string text;
    for (std::string_view file : files)
        text += testData("x509/bundle/" + std::string(file)).value_or("");
    return text;
}

} // namespace tindrel::fixtures
