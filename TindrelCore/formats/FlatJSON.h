#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

// A JSON text read as nlohmann's strict reader reads it (the same texts refused, nesting beyond
// its limit too, the last of equal keys kept), into a flat list of values instead of a tree of
// maps and strings: cheap to read, look into and write out. It points into the text it was read
// from, which must outlive it.
class FlatJSON {
public:
    static std::optional<FlatJSON> read(std::string_view text);

    bool isObject() const;
    // The value of a top-level member, when the document is an object holding one of that name
    // and that type.
    std::optional<std::string_view> stringMember(std::string_view name) const;
    std::optional<double> numberMember(std::string_view name) const;
    bool hasMember(std::string_view name) const;

    // The text nlohmann's strict dump writes of the tree: keys sorted, two spaces an indent.
    // Nothing only if a value the reader let through could not be written, which it checks for.
    std::optional<std::string> pretty() const;

private:
    enum class Kind : std::uint8_t;
    // One value. A container is followed by its children (an object's as key, value, key, value …)
    // and records where they end; a string points into the text or into the decoded strings; a
    // number keeps its bits.
    struct Node {
        Kind kind;
        std::uint64_t value = 0; // string: where it begins; container: the index past its last descendant
        std::size_t size = 0;    // string: its bytes
    };
    class Reader;
    class Writer;

    FlatJSON(std::string_view text, std::vector<Node> nodes, std::string decoded);

    std::string_view stringOf(const Node& node) const;
    std::size_t after(std::size_t index) const;
    const Node* member(std::string_view name) const;

    std::string_view text_;
    std::vector<Node> nodes_;
    std::string decoded_; // strings with escapes, decoded
};

} // namespace tindrel
