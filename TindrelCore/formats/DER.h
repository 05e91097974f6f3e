#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A lenient reader of DER tag-length-value elements. Every offset is checked against the whole
// buffer before it is used, so hostile input can only shorten a list or make a result absent.
namespace tindrel::DER {

// Half-open range of byte offsets into the one buffer that is being read.
struct Range {
    std::int64_t lower;
    std::int64_t upper;

    bool operator==(const Range&) const = default;
};

struct Node {
    std::uint8_t tag; // the identifier octet as stored (0x30 SEQUENCE, 0xA3 context 3 constructed, …)
    Range content;    // after the length octets

    bool operator==(const Node&) const = default;
};

struct Element {
    Node node;
    std::int64_t end; // just after the contents
};

// The element at `start`. Indefinite lengths and more than four length octets are refused;
// non-minimal long forms are accepted.
std::optional<Element> read(std::string_view buffer, std::int64_t start);

// The elements found one after another from the start of `range`. Reading stops at the first
// unreadable element; the element that crosses the end of `range` is still the last one returned.
std::vector<Node> children(std::string_view buffer, Range range);

// The content bytes of `node`.
std::string_view contentOf(std::string_view buffer, const Node& node);

} // namespace tindrel::DER
