#include "TindrelCore/formats/PlistTree.h"

#include "TindrelCore/formats/BinaryPlist.h"
#include "TindrelCore/formats/MarkupDepth.h"
#include "TindrelCore/formats/RenderBudget.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <plist/plist.h>
#include <vector>

namespace tindrel::PlistTree {
namespace {

struct FreeMalloced {
    void operator()(void* p) const { std::free(p); }
};

std::uint64_t add(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// The reader keeps a dictionary as a list and looks every new key up in it, so one dictionary of
// n keys costs n² comparisons; real lists keep far fewer keys in one dictionary.
constexpr std::size_t maxKeysPerDict = 4096;

// The reader unescapes a text run in place, moving the rest of the run once per entity reference:
// references times run length. Allowed: a gigabyte moved (a megabyte of text with a thousand
// references, about a tenth of a second) and 64 bytes per input byte beyond that.
constexpr std::size_t unescapeBudget(std::size_t inputSize) {
    return (std::size_t(1) << 30) + 64 * inputSize;
}

Markup::Limits xmlListLimits(std::size_t inputSize) {
    Markup::Limits limits;
    limits.depth = maxDepth;
    limits.keysPerDict = maxKeysPerDict;
    limits.unescapeWork = unescapeBudget(inputSize);
    limits.doubleQuotesOnly = true;
    return limits;
}

// What the reader may be given: it recurses per level (and frees a tree it gave up on the same
// way), and copies out every reference to a shared binary object.
bool isBounded(std::string_view bytes, bool binary, bool screenMarkup) {
    if (binary) return BinaryPlist::isBoundedForReading(bytes, maxDepth, renderingBudget(bytes.size()));
    return !screenMarkup || Markup::staysWithin(bytes, xmlListLimits(bytes.size()));
}

bool isContainer(plist_t node) {
    plist_type type = plist_get_node_type(node);
    return type == PLIST_ARRAY || type == PLIST_DICT;
}

// The values of an array or a dictionary, in order.
class Children {
public:
    explicit Children(plist_t node)
        : node_(node)
        , dict_(plist_get_node_type(node) == PLIST_DICT) {
        void* raw = nullptr;
        if (dict_)
            plist_dict_new_iter(node, &raw);
        else
            plist_array_new_iter(node, &raw);
        iter_.reset(raw);
    }

    // Keys are never asked for: libplist asserts on a key with a NUL byte in it.
    plist_t next() {
        plist_t item = nullptr;
        if (dict_)
            plist_dict_next_item(node_, iter_.get(), nullptr, &item);
        else
            plist_array_next_item(node_, iter_.get(), &item);
        return item;
    }

    bool isDict() const { return dict_; }
    plist_t node() const { return node_; }

private:
    plist_t node_;
    bool dict_;
    std::unique_ptr<void, FreeMalloced> iter_;
};

// One node's own share of the XML the writer produces: an indented line (two for a container),
// escaped text at most six bytes per byte, Base64 data wrapped into indented lines.
std::uint64_t ownSize(plist_t node, std::uint64_t depth) {
    std::uint64_t line = depth + 48;
    std::uint64_t length = 0;
    switch (plist_get_node_type(node)) {
    case PLIST_ARRAY:
    case PLIST_DICT:
        return 2 * line;
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

// An upper estimate of the XML the writer produces, or nothing for containers nested deeper than
// maxDepth (the writer recurses per level). Keys count as lines only: their text is bounded by
// the input already.
std::optional<std::uint64_t> renderedSize(plist_t root) {
    std::uint64_t size = ownSize(root, 0);
    std::vector<Children> open;
    if (isContainer(root)) open.emplace_back(root);
    while (!open.empty()) {
        plist_t child = open.back().next();
        if (!child) {
            open.pop_back();
            continue;
        }
        std::uint64_t depth = open.size();
        if (open.back().isDict()) size = add(size, depth - 1 + 48);
        size = add(size, ownSize(child, depth));
        if (!isContainer(child)) continue;
        if (open.size() >= maxDepth) return std::nullopt;
        open.emplace_back(child);
    }
    return size;
}

// libplist frees a tree recursively. A tree deeper than the walk allows is taken apart in slices
// of this many levels, deepest first, so that no one free goes deeper than a slice. The nodes at a
// slice's top are freed in order, so each is unlinked from near the front of its parent.
constexpr std::size_t sliceDepth = 256;

struct Slicing {
    plist_t node;
    std::vector<plist_t> children; // gathered before any is freed
    std::size_t next = 0;
};

std::vector<plist_t> childrenOf(plist_t node) {
    std::vector<plist_t> children;
    Children walk(node);
    for (plist_t child = walk.next(); child; child = walk.next())
        children.push_back(child);
    return children;
}

void freeInSlices(plist_t root) {
    std::vector<Slicing> open;
    open.push_back({root, isContainer(root) ? childrenOf(root) : std::vector<plist_t>{}});
    while (!open.empty()) {
        Slicing& top = open.back();
        std::size_t depth = open.size();
        if (top.next == top.children.size()) {
            plist_t node = top.node;
            open.pop_back();
            if ((depth - 1) % sliceDepth == 0) plist_free(node);
            continue;
        }
        plist_t child = top.children[top.next++];
        if (isContainer(child))
            open.push_back({child, childrenOf(child)});
        else if (depth % sliceDepth == 0)
            plist_free(child);
    }
}

// The tree the reader built, freed in slices when a walk found it too deep.
class Tree {
public:
    explicit Tree(plist_t root)
        : root_(root) {}
    ~Tree() {
        if (!root_) return;
        if (tooDeep_)
            freeInSlices(root_);
        else
            plist_free(root_);
    }
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;

    plist_t root() const { return root_; }
    void markTooDeep() { tooDeep_ = true; }

private:
    plist_t root_;
    bool tooDeep_ = false;
};

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

std::optional<Rendering> render(std::string_view bytes, bool screenMarkup) {
    if (bytes.size() > UINT32_MAX) return std::nullopt;
    auto size = std::uint32_t(bytes.size());
    if (!isBounded(bytes, plist_is_binary(bytes.data(), size) != 0, screenMarkup)) return std::nullopt;
    plist_t raw = nullptr;
    plist_from_memory(bytes.data(), size, &raw);
    Tree tree(raw);
    if (!tree.root()) return std::nullopt;
    std::optional<std::uint64_t> estimate = renderedSize(tree.root());
    if (!estimate) tree.markTooDeep();
    if (!estimate || *estimate > renderingBudget(bytes.size())) return std::nullopt;
    std::optional<std::string> xml = writeXML(tree.root());
    // The rendering must read back: its escapes lengthen text runs, its <plist> adds a level.
    if (!xml || !Markup::staysWithin(*xml, xmlListLimits(xml->size()))) return std::nullopt;
    return Rendering{std::move(*xml), rootType(tree.root())};
}

} // namespace

std::optional<Rendering> renderXML(std::string_view bytes) {
    return render(bytes, true);
}

std::optional<Rendering> renderUnscreenedXML(std::string_view bytes) {
    return render(bytes, false);
}

} // namespace tindrel::PlistTree
