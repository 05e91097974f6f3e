#include "TindrelCore/formats/DER.h"

namespace tindrel::DER {

std::optional<Element> read(std::string_view buffer, std::int64_t start) {
    const auto count = static_cast<std::int64_t>(buffer.size());
    if (start < 0 || start >= count || start + 1 >= count) return std::nullopt;
    auto byteAt = [&](std::int64_t i) { return static_cast<std::uint8_t>(buffer[std::size_t(i)]); };

    const std::uint8_t tag = byteAt(start);
    const std::uint8_t first = byteAt(start + 1);
    std::int64_t contentStart = start + 2;
    std::int64_t length = first;
    if (first & 0x80) {
        const int octets = first & 0x7F;
        if (octets == 0 || octets > 4 || contentStart + octets > count) return std::nullopt;
        length = 0;
        for (int i = 0; i < octets; ++i)
            length = length * 256 + byteAt(contentStart + i);
        contentStart += octets;
    }
    const std::int64_t end = contentStart + length;
    if (end > count) return std::nullopt;
    return Element{Node{tag, Range{contentStart, end}}, end};
}

std::vector<Node> children(std::string_view buffer, Range range) {
    std::vector<Node> nodes;
    std::int64_t position = range.lower;
    if (position >= range.upper) return nodes;
    while (auto element = read(buffer, position)) {
        nodes.push_back(element->node);
        if (element->end >= range.upper) break;
        position = element->end;
    }
    return nodes;
}

std::string_view contentOf(std::string_view buffer, const Node& node) {
    const auto count = static_cast<std::int64_t>(buffer.size());
    if (node.content.lower < 0 || node.content.upper > count || node.content.lower > node.content.upper)
        return {};
    return buffer.substr(std::size_t(node.content.lower),
                         std::size_t(node.content.upper - node.content.lower));
}

} // namespace tindrel::DER
