#include "TindrelCore/formats/YAML.h"

#include <span>

namespace tindrel::YAML {
namespace {

using nlohmann::json;

// A run of lines, optionally led by one line that is not in the source (the first entry of an
// inline mapping such as "- name: a"). Children are always sub-runs of the source lines, so no
// level copies the lines below it.
struct Block {
    const Line* head;
    std::span<const Line> tail;

    std::size_t size() const { return (head ? 1 : 0) + tail.size(); }
    const Line& operator[](std::size_t i) const {
        if (!head) return tail[i];
        return i == 0 ? *head : tail[i - 1];
    }
    // Lines [from, to); `from` is past the head.
    Block slice(std::size_t from, std::size_t to) const {
        std::size_t offset = head ? 1 : 0;
        return {nullptr, tail.subspan(from - offset, to - from)};
    }
};

std::optional<json> parseIn(const Block& block, std::size_t& i, int depth);

// The children of line i: the lines after it up to the first one indented `k` or less.
std::size_t childrenEnd(const Block& block, std::size_t i, std::size_t k) {
    std::size_t j = i + 1;
    while (j < block.size() && block[j].indent > k)
        ++j;
    return j;
}

std::optional<json> nestedValue(const Block& block, std::size_t from, std::size_t to, int depth) {
    if (from == to) return json(nullptr);
    std::size_t start = 0;
    return parseIn(block.slice(from, to), start, depth + 1);
}

std::optional<json> itemValue(const Block& block, std::size_t i, std::size_t end, std::string_view item,
                              int depth) {
    if (item.empty()) return nestedValue(block, i + 1, end, depth);
    if (!splitMapping(item)) return scalar(item);
    Line first{block[i].indent + 2, item};
    Block inlineMapping = block.slice(i + 1, end);
    inlineMapping.head = &first;
    std::size_t start = 0;
    return parseIn(inlineMapping, start, depth + 1);
}

std::optional<json> parseSequence(const Block& block, std::size_t& i, int depth) {
    std::size_t k = block[i].indent;
    json sequence = json::array();
    while (i < block.size() && block[i].indent == k && isSequenceItem(block[i].text)) {
        std::string_view text = block[i].text;
        std::size_t end = childrenEnd(block, i, k);
        std::optional<json> value = itemValue(block, i, end, text.substr(text.size() > 1 ? 2 : 1), depth);
        if (!value) return std::nullopt;
        sequence.push_back(std::move(*value));
        i = end;
    }
    return sequence;
}

std::optional<json> parseMapping(const Block& block, std::size_t& i, int depth) {
    std::size_t k = block[i].indent;
    json mapping = json::object();
    while (i < block.size() && block[i].indent == k) {
        auto pair = splitMapping(block[i].text);
        if (!pair) break;
        std::size_t end = childrenEnd(block, i, k);
        std::optional<json> value =
            pair->second.empty() ? nestedValue(block, i + 1, end, depth) : scalar(pair->second);
        if (!value) return std::nullopt;
        mapping[pair->first] = std::move(*value);
        i = end;
    }
    return mapping;
}

std::optional<json> parseIn(const Block& block, std::size_t& i, int depth) {
    if (depth > maxDepth) return std::nullopt;
    return isSequenceItem(block[i].text) ? parseSequence(block, i, depth) : parseMapping(block, i, depth);
}

} // namespace

std::optional<json> parseBlock(const std::vector<Line>& lines, std::size_t& i) {
    return parseIn(Block{nullptr, lines}, i, 1);
}

} // namespace tindrel::YAML
