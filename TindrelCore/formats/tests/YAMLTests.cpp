#include "TindrelCore/formats/YAML.h"
#include "TindrelCore/tests/Fixtures.h"

#include <gtest/gtest.h>

using namespace tindrel;
using nlohmann::json;

namespace {

std::optional<json> parseAll(const std::vector<YAML::Line>& lines) {
    std::size_t i = 0;
    return YAML::parseBlock(lines, i);
}

} // namespace

// Each case of tests/data/yaml/blocks.json: lines as (indent, text), the value read from them and
// how many lines that took.
TEST(YAMLParseBlock, BuildsNestedValues) {
    for (const json& c : json::parse(fixtures::testData("yaml/blocks.json"))) {
        std::vector<YAML::Line> lines;
        for (const json& line : c["lines"])
            lines.push_back({line[0].get<std::size_t>(), line[1].get_ref<const std::string&>()});
        std::size_t i = 0;
        EXPECT_EQ(YAML::parseBlock(lines, i), c["value"]) << c.dump();
        EXPECT_EQ(i, c["consumed"]) << c.dump();
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
