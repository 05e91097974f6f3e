#pragma once

#include "TindrelCore/formats/JSONUtil.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

namespace tindrel::fixtures {

// How deep a text that nlohmann accepted nests its objects and arrays. A NUL ends the text for
// nlohmann, so what follows one is not counted.
inline int nestingOf(std::string_view json) {
    int depth = 0, deepest = 0;
    bool inString = false, escaped = false;
    for (char c : json.substr(0, json.find('\0'))) {
        if (inString) {
            inString = escaped || c != '"';
            escaped = !escaped && c == '\\';
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

// nlohmann's own strict reading, with no reader of ours in front of it, refusing what nests deeper
// than every reader here allows: the behaviour the flat reader must keep.
inline std::optional<nlohmann::json> treeReading(std::string_view text) {
    nlohmann::json value = nlohmann::json::parse(text.begin(), text.end(), nullptr, false);
    if (value.is_discarded() || nestingOf(text) > JSONUtil::maxNestingDepth) return std::nullopt;
    return value;
}

} // namespace tindrel::fixtures
