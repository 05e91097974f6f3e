#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel::JSONUtil {

// Deeper documents are refused: writing and copying them would recurse past the stack.
inline constexpr int maxNestingDepth = 512;

struct Pretty {
    std::string text;
    std::string topLevel; // "object" or "array"
};

// A JSON object or array rendered canonically: keys sorted by code point, one member per line,
// "/" unescaped, non-ASCII as UTF-8. Nothing for anything else.
std::optional<Pretty> prettyPrinted(std::string_view s);

// Strict RFC 8259 reading of any value (fragments included), refusing nesting beyond maxNestingDepth.
std::optional<nlohmann::json> parse(std::string_view s);

// Pretty (indent 2) or compact writing with sorted keys; nothing when a string holds invalid UTF-8.
std::optional<std::string> write(const nlohmann::json& value, bool pretty);

} // namespace tindrel::JSONUtil
