#include "TindrelCore/formats/YAML.h"

#include <gtest/gtest.h>

using namespace tindrel;
using nlohmann::json;

namespace {

std::optional<json> parseAll(const std::vector<YAML::Line>& lines) {
    std::size_t i = 0;
    return YAML::parseBlock(lines, i);
}

} // namespace

TEST(YAMLParseBlock, BuildsNestedValues) {
    struct Case {
        std::vector<YAML::Line> lines;
        json expected;
        std::size_t consumed;
    } cases[] = {
        {{{0, "a: 1"}, {0, "b:"}}, {{"a", 1}, {"b", nullptr}}, 2},
        {{{0, "k:"}, {2, "- x"}, {2, "- y"}}, {{"k", {"x", "y"}}}, 3},
        {{{0, "- name: a"}, {2, "value: 1"}}, json::array({{{"name", "a"}, {"value", 1}}}), 2},
        {{{0, "-"}, {0, "-"}, {2, "k: v"}}, json::array({nullptr, {{"k", "v"}}}), 3},
        {{{0, "- scalar"}, {4, "dropped: child"}, {0, "- next"}}, {"scalar", "next"}, 3},
        {{{0, "k: v"}, {2, "dropped: child"}}, {{"k", "v"}}, 2},
        {{{0, "k: 1"}, {0, "k: 2"}}, {{"k", 2}}, 2},
        // A line of the other mode at the block's indent ends the block.
        {{{0, "a: 1"}, {0, "- item"}, {0, "b: 2"}}, {{"a", 1}}, 1},
        // A line less indented than the block's first line ends it too.
        {{{2, "a: 1"}, {0, "b: 2"}}, {{"a", 1}}, 1},
        // Children that do not fit under their parent are dropped without failing.
        {{{0, "p:"}, {4, "deep: 1"}, {2, "shallow: 2"}, {0, "q: 3"}}, {{"p", {{"deep", 1}}}, {"q", 3}}, 4},
        {{{0, "- - a"}}, json::array({"- a"}), 1},
        // Flow collections are not interpreted: text, or a mapping split at the first ": ".
        {{{0, "- [1, 2]"}, {0, "- {a: 1}"}}, json::array({"[1, 2]", json{{"{a", "1}"}}}), 2},
    };
    for (const Case& c : cases) {
        std::size_t i = 0;
        std::optional<json> got = YAML::parseBlock(c.lines, i);
        ASSERT_TRUE(got) << c.expected.dump();
        EXPECT_EQ(*got, c.expected);
        EXPECT_EQ(i, c.consumed) << c.expected.dump();
    }
}

TEST(YAMLParseBlock, NestingIsBoundedNotRecursedWithoutLimit) {
    auto tower = [](std::size_t levels, std::size_t step, std::string_view text) {
        std::vector<YAML::Line> lines;
        for (std::size_t level = 0; level < levels; ++level)
            lines.push_back({level * step, text});
        return lines;
    };
    EXPECT_FALSE(parseAll(tower(100000, 1, "k:")));
    EXPECT_FALSE(parseAll(tower(YAML::maxDepth + 1, 1, "k:")));
    // Each line nests a sequence and the inline mapping of its item: 600 levels.
    EXPECT_FALSE(parseAll(tower(300, 4, "- k:")));

    std::optional<json> deepest = parseAll(tower(YAML::maxDepth, 1, "k:"));
    ASSERT_TRUE(deepest);
    const json* node = &*deepest;
    for (int level = 1; level < YAML::maxDepth; ++level)
        node = &node->at("k");
    EXPECT_EQ(*node, json({{"k", nullptr}}));
}
