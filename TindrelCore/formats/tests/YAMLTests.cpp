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

TEST(YAMLPreprocess, KeepsSignificantLinesWithTheirIndent) {
    struct Case {
        std::string text;
        std::vector<YAML::Line> lines;
        bool sawMarker;
    } cases[] = {
        {"a: 1\n  b: 2", {{0, "a: 1"}, {2, "b: 2"}}, false},
        {"# only a comment\n\n   \n  # indented comment\nx: y", {{0, "x: y"}}, false},
        {"---\nname: demo\n...", {{0, "name: demo"}}, true},
        {"  ---  \nk: v", {{0, "k: v"}}, true},
        {"--- # not a marker\nk: v", {{0, "--- # not a marker"}, {0, "k: v"}}, false},
        {"key: value # note   ", {{0, "key: value # note"}}, false},
        {"a: 1\r\n\r\nb: 2\r\n", {{0, "a: 1"}, {0, "b: 2"}}, false},
        {"\u00A0\u3000\nk: v\u2003", {{0, "k: v"}}, false},
        {"k: v\t \t", {{0, "k: v"}}, false},
        {"", {}, false},
    };
    for (const Case& c : cases) {
        std::optional<YAML::Lines> got = YAML::preprocess(c.text);
        ASSERT_TRUE(got) << c.text;
        EXPECT_EQ(got->lines, c.lines) << c.text;
        EXPECT_EQ(got->sawMarker, c.sawMarker) << c.text;
    }
}

TEST(YAMLPreprocess, TabBeforeContentRefusesTheWholeText) {
    for (std::string text : {"a: 1\n\tb: 2", "a: 1\n  \tb: 2", "\tkey: value"})
        EXPECT_FALSE(YAML::preprocess(text)) << text;
    // A tab after the content starts, or on a comment or blank line, is harmless.
    for (std::string text : {"a:\t1", "a: 1\n\t# comment", "a: 1\n\t\nb: 2"})
        EXPECT_TRUE(YAML::preprocess(text)) << text;
}

TEST(YAMLSplitMapping, FindsTheFirstSeparatorOutsideQuotes) {
    using Pair = std::pair<std::string, std::string>;
    struct Case {
        std::string text;
        std::optional<Pair> expected;
    } cases[] = {
        {"name: demo", Pair{"name", "demo"}},
        {"key:", Pair{"key", ""}},
        {"time: 12:30", Pair{"time", "12:30"}},
        {"url: https://example.com:8443/x", Pair{"url", "https://example.com:8443/x"}},
        {"\"a: b\": c", Pair{"\"a: b\"", "c"}},
        {"'it''s: here': v", Pair{"'it''s: here'", "v"}},
        {"\"it's\": v", Pair{"\"it's\"", "v"}},
        {"'say \"hi\": now' x", std::nullopt},
        {": value", std::nullopt},
        {"a:b: c", Pair{"a:b", "c"}},
        {"k \t:   spaced \t", Pair{"k", "spaced"}},
        {"no separator", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(YAML::splitMapping(c.text), c.expected) << c.text;
}

TEST(YAMLScalar, TypesFollowTheCoreSpellings) {
    struct Case {
        std::string text;
        json expected;
    } cases[] = {
        {"", nullptr},
        {"~", nullptr},
        {"Null", nullptr},
        {"NULL", nullptr},
        {"TRUE", true},
        {"yes", "yes"},
        {"007", 7},
        {"-42", -42},
        {"+5", 5},
        {"9223372036854775807", INT64_MAX},
        {"9223372036854775808", 9223372036854775808.0},
        {".5", 0.5},
        {"-1.25e2", -125.0},
        {"1e5", 100000.0},
        {"1.", "1."},
        {"1e", "1e"},
        {"0x1F", "0x1F"},
        {"inf", "inf"},
        {"  padded  ", "padded"},
        {"\"quoted: yes\"", "quoted: yes"},
        {"'a: b'", "a: b"},
        {"'it''s'", "it''s"},
        {"\"\\n\"", "\\n"},
        {"\"", "\""},
        {"\"mismatched'", "\"mismatched'"},
    };
    for (const Case& c : cases) {
        json got = YAML::scalar(c.text);
        EXPECT_EQ(got, c.expected) << c.text;
        EXPECT_EQ(got.type(), c.expected.type()) << c.text;
    }
}

TEST(YAMLScalar, OverflowingDecimalBecomesInfinity) {
    json big = YAML::scalar("1e999");
    ASSERT_TRUE(big.is_number_float());
    EXPECT_TRUE(std::isinf(big.get<double>()));
    EXPECT_EQ(YAML::scalar("1e-999"), 0.0);
}

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
    auto tower = [](std::size_t levels) {
        std::vector<YAML::Line> lines;
        for (std::size_t level = 0; level < levels; ++level)
            lines.push_back({level, "k:"});
        return lines;
    };
    EXPECT_FALSE(parseAll(tower(100000)));
    EXPECT_FALSE(parseAll(tower(YAML::maxDepth + 1)));

    std::optional<json> deepest = parseAll(tower(YAML::maxDepth));
    ASSERT_TRUE(deepest);
    const json* node = &*deepest;
    for (int level = 1; level < YAML::maxDepth; ++level)
        node = &node->at("k");
    EXPECT_EQ(*node, json({{"k", nullptr}}));
}

TEST(YAMLParseBlock, InlineMappingsCountAsALevel) {
    // Each line nests a sequence and the inline mapping of its item: 600 levels.
    std::vector<YAML::Line> lines;
    for (std::size_t level = 0; level < 300; ++level)
        lines.push_back({level * 4, "- k:"});
    EXPECT_FALSE(parseAll(lines));
}
