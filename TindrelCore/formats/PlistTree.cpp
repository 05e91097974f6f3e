#include "TindrelCore/formats/PlistTree.h"

#include "TindrelCore/formats/BinaryPlist.h"
#include "TindrelCore/formats/MarkupDepth.h"
#include "TindrelCore/formats/RenderBudget.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <plist/plist.h>

namespace tindrel::PlistTree {
namespace {

struct FreePlist {
    void operator()(void* node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, FreePlist>;

struct FreeMalloced {
    void operator()(void* p) const { std::free(p); }
};

std::uint64_t add(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// What the reader may be given: it recurses per level and copies out every reference to a
// shared binary object.
bool isBounded(std::string_view bytes, bool binary) {
    if (binary) return BinaryPlist::isBoundedForReading(bytes, maxDepth, renderingBudget(bytes.size()));
    return !nestsDeeperThan(bytes, maxDepth);
}

std::uint64_t renderedSize(plist_t node, std::uint64_t depth);

std::uint64_t arraySize(plist_t node, std::uint64_t depth) {
    std::uint64_t size = 0;
    plist_array_iter raw = nullptr;
    plist_array_new_iter(node, &raw);
    std::unique_ptr<void, FreeMalloced> iter(raw);
    for (plist_t item = nullptr;;) {
        plist_array_next_item(node, raw, &item);
        if (!item) return size;
        size = add(size, renderedSize(item, depth + 1));
    }
}

// Keys are counted as lines only: their text is bounded already (by the input for an XML list, by
// the object walk for a binary one), and asking libplist for a key with a NUL byte in it trips an
// assertion inside the library.
std::uint64_t dictSize(plist_t node, std::uint64_t depth) {
    std::uint64_t size = 0;
    plist_dict_iter raw = nullptr;
    plist_dict_new_iter(node, &raw);
    std::unique_ptr<void, FreeMalloced> iter(raw);
    for (;;) {
        plist_t value = nullptr;
        plist_dict_next_item(node, raw, nullptr, &value);
        if (!value) return size;
        size = add(size, depth + 48);
        size = add(size, renderedSize(value, depth + 1));
    }
}

// An upper estimate of the XML the writer produces: one indented line per node, escaped text
// (at most six bytes per byte), Base64 data wrapped into indented lines.
std::uint64_t renderedSize(plist_t node, std::uint64_t depth) {
    std::uint64_t line = depth + 48;
    std::uint64_t length = 0;
    switch (plist_get_node_type(node)) {
    case PLIST_ARRAY:
        return add(2 * line, arraySize(node, depth));
    case PLIST_DICT:
        return add(2 * line, dictSize(node, depth));
    case PLIST_STRING:
        plist_get_string_ptr(node, &length);
        return add(line, 6 * length);
    case PLIST_DATA:
        plist_get_data_ptr(node, &length);
        return add(line, 2 * length + (length / 48 + 1) * (depth + 1));
    default:
        return line;
    }
}

std::string rootType(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_ARRAY:
        return "array";
    case PLIST_DICT:
        return "dict";
    case PLIST_STRING:
        return "string";
    case PLIST_DATA:
        return "data";
    case PLIST_DATE:
        return "date";
    default:
        return "value";
    }
}

std::optional<std::string> writeXML(plist_t node) {
    char* raw = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(node, &raw, &length);
    if (!raw) return std::nullopt;
    std::string xml(raw, length);
    plist_to_xml_free(raw);
    if (xml.empty()) return std::nullopt;
    return xml;
}

} // namespace

std::optional<Rendering> renderXML(std::string_view bytes) {
    if (bytes.size() > UINT32_MAX) return std::nullopt;
    auto size = std::uint32_t(bytes.size());
    if (!isBounded(bytes, plist_is_binary(bytes.data(), size) != 0)) return std::nullopt;
    plist_t raw = nullptr;
    plist_from_memory(bytes.data(), size, &raw);
    PlistPtr root(raw);
    if (!root) return std::nullopt;
    if (renderedSize(root.get(), 0) > renderingBudget(bytes.size())) return std::nullopt;
    std::optional<std::string> xml = writeXML(root.get());
    if (!xml) return std::nullopt;
    return Rendering{std::move(*xml), rootType(root.get())};
}

} // namespace tindrel::PlistTree
