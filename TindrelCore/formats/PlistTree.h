#pragma once

#include <optional>
#include <string>
#include <string_view>

// Property lists, binary or XML, read and written back as XML with libplist. The reader recurses
// once per level and copies shared binary objects out, so inputs are bounded before it sees them.
namespace tindrel::PlistTree {

inline constexpr std::size_t maxDepth = 512;

struct Rendering {
    std::string xml;  // the XML property-list text, as the writer produced it
    std::string root; // "array", "dict", "string", "data", "date" or "value"
};

// The format is told by the bytes themselves ("bplist00" or XML). Nothing when they do not read as
// a property list, nest deeper than maxDepth, or would render beyond the rendering budget.
std::optional<Rendering> renderXML(std::string_view bytes);

} // namespace tindrel::PlistTree
