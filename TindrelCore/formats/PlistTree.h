#pragma once

#include <optional>
#include <string>
#include <string_view>

// Property lists, binary or XML, read and written back as XML with libplist. The reader recurses
// once per level, copies shared binary objects out and slows down with the square of some counts,
// so inputs are bounded before it sees them; the walks over the tree it builds bound themselves.
namespace tindrel::PlistTree {

inline constexpr std::size_t maxDepth = 512;

struct Rendering {
    std::string xml;  // the XML property-list text, as the writer produced it
    std::string root; // "array", "dict", "string", "data", "date" or "value"
};

// The format is told by the bytes themselves ("bplist00" or XML). Nothing when they do not read as
// a property list, nest deeper than maxDepth, would render beyond the rendering budget, or are
// XML of a shape the reader handles slowly (too many keys in one dictionary, too many entity
// references in long text).
std::optional<Rendering> renderXML(std::string_view bytes);

// renderXML without the screening of XML text: for showing that the walks over what the reader
// builds stay within maxDepth on their own.
std::optional<Rendering> renderUnscreenedXML(std::string_view bytes);

} // namespace tindrel::PlistTree
