#include "TindrelCore/formats/FlatJSON.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/formats/tests/TreeReading.h"

#include <gtest/gtest.h>
#include <random>

using namespace tindrel;
using namespace std::string_literals;

namespace {

// What nlohmann's tree makes of the text.
std::optional<std::string> treeRendering(std::string_view text) {
    std::optional<nlohmann::json> value = fixtures::treeReading(text);
    if (!value) return std::nullopt;
    return JSONUtil::write(*value, true);
}

std::optional<std::string> flatRendering(std::string_view text) {
    std::optional<FlatJSON> document = FlatJSON::read(text);
    return document ? document->pretty() : std::nullopt;
}

void expectSameAsTree(std::string_view text) {
    EXPECT_EQ(flatRendering(text), treeRendering(text)) << text;
}

// The members a reader of claims asks for answer as a lookup in the tree does.
void expectSameMembers(std::string_view text) {
    std::optional<FlatJSON> flat = FlatJSON::read(text);
    std::optional<nlohmann::json> tree = fixtures::treeReading(text);
    ASSERT_EQ(flat.has_value(), tree.has_value()) << text;
    if (!tree) return;
    ASSERT_EQ(flat->isObject(), tree->is_object()) << text;
    for (std::string_view name : {"a", "k", "b", "é", ""}) {
        auto found = tree->is_object() ? tree->find(name) : tree->end();
        const bool present = found != tree->end();
        EXPECT_EQ(flat->hasMember(name), present) << text << " " << name;
        EXPECT_EQ(flat->stringMember(name), present && found->is_string()
                                                ? std::optional(found->get_ref<const std::string&>())
                                                : std::nullopt)
            << text << " " << name;
        EXPECT_EQ(flat->numberMember(name),
                  present && found->is_number() ? std::optional(found->get<double>()) : std::nullopt)
            << text << " " << name;
    }
}

} // namespace

TEST(FlatJSON, RendersWhatTheTreeRenders) {
    const std::string cases[] = {
        R"({"b":1,"a":{"d":[],"c":{}},"A":[1,[2,[3]]]})",
        R"({"k":1,"k":{"x":2},"j":0,"k":[3]})", // the last of equal keys wins
        R"({"a":1,"\u0061":2})",                // keys equal once decoded
        R"({"a":"x","k":-5,"b":18446744073709551615,"\u00e9":1.5,"":"\u00e9","a":"y\n"})",
        R"({"a":null,"k":true,"b":[1],"é":{"a":1}})",
        R"({"é":1,"z":2,"\u00e9\u0000":3,"":4})",
        R"(["\"\\\/\b\f\n\r\t","\u0000\u001f\u007f","\ud83d\ude00","x\u00e9y","plain é ✓"])",
        R"(["\ud83d"])", // a high surrogate alone
        R"(["\ude00"])", // a low surrogate alone
        R"(["\ud83d\u0041"])",
        R"(["\ud83dx"])",
        "[\"\xC3\"]",               // a sequence cut short
        "[\"\xC0\xAF\"]",           // an overlong form
        "[\"\xED\xA0\x80\"]",       // a surrogate written as UTF-8
        "{\"\xF4\x90\x80\x80\":1}", // past U+10FFFF
        "[0,-0,1,-1,0.0,-0.0,1.5,1e2,1E-2,2.50,1e400,-1e400,1e-400,123456789012345678901234567890]",
        "[18446744073709551615,18446744073709551616,-9223372036854775808,-9223372036854775809]",
        "[4.9e-324,2.2250738585072014e-308,1.7976931348623157e308,1.7976931348623159e308]",
        "[1]\0trailing"s,
        "55\0"s + std::string(600, '['), // nesting past the NUL is not read
        " \t\n[ true , false , null ] \r\n",
        "\xEF\xBB\xBF[]",
        "[1,]",
        "{\"a\" 1}",
        // The grammar the reader checks as it reads.
        "[tru]",
        "[nulls]",
        "[falsey]",
        "[01]",
        "[1.]",
        "[.5]",
        "[1e]",
        "[1e+]",
        "[-]",
        "[+1]",
        "[--1]",
        "[1.5.2]",
        "[\"a\tb\"]",
        "[\"\\x\"]",
        "[\"\\u12G4\"]",
        "[\"\\u-123\"]",
        "{\"a\":1]",
        "[1}",
        "1 2",
        "\"x\" ",
        "[1]x",
        "{\"a\":1,}",
        "{1:2}",
        "[\"a\":1]",
        "",
        " ",
        "\xEF\xBB\xBF",
        "nul",
    };
    for (const std::string& text : cases) {
        expectSameAsTree(text);
        expectSameMembers(text);
    }
}

TEST(FlatJSON, RefusesDepthBeyondTheLimitAsTheTreeDoes) {
    for (int depth : {JSONUtil::maxNestingDepth, JSONUtil::maxNestingDepth + 1}) {
        std::string text = std::string(depth, '[') + std::string(depth, ']');
        EXPECT_EQ(FlatJSON::read(text).has_value(), depth <= JSONUtil::maxNestingDepth);
        expectSameAsTree(text);
    }
}

// Random edits of documents over JSON's characters, escapes and bytes the reader refuses: every
// edited text renders as the tree renders it, or is refused by both.
TEST(FlatJSON, AgreesWithTheTreeOnRandomEdits) {
    const std::string alphabet[] = {
        "{",   "}",        "[",        "]",    ",",       ":",       "\"",
        " ",   "\\",       "/",        "0",    "7",       "-",       "+",
        ".",   "e",        "true",     "null", "\\u00e9", "\\ud83d", "\\ude00",
        "\\n", "\xC3\xA9", "\xE2\x80", "\x01", "a",       "1e999",   "99999999999999999999",
        "tru", "\t",       "00",       "1.",   "e+",      "\\x",     "fals"};
    const std::string seeds[] = {R"({"a":[1,2.5e3,true],"b":{"c":null,"a":"x\u0041"},"a":-0})",
                                 R"([{"k":"v","k":"w"},"é\\",[[]],{},-12.5E-3,18446744073709551615])"};
    std::mt19937 random(11);
    int rendered = 0;
    for (int round = 0; round < 30000; ++round) {
        std::string text = seeds[round % 2];
        for (int edit = 0; edit < 1 + round % 3; ++edit) {
            std::size_t at = random() % text.size();
            text.replace(at, random() % 3, alphabet[random() % std::size(alphabet)]);
        }
        std::optional<std::string> expected = treeRendering(text);
        rendered += expected.has_value();
        ASSERT_EQ(flatRendering(text), expected) << text;
        expectSameMembers(text);
    }
    EXPECT_GT(rendered, 1500) << "enough edited texts stay readable to compare";
}
