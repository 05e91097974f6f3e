#include "TindrelCore/formats/JSONCanonical.h"
#include "TindrelCore/formats/JSONUtil.h"

#include <gtest/gtest.h>
#include <random>

using namespace tindrel;
using namespace std::string_literals;

namespace {

// What nlohmann's tree makes of the text: the behaviour the flat reader must keep.
std::optional<std::string> treeRendering(std::string_view text) {
    std::optional<nlohmann::json> value = JSONUtil::parse(text);
    if (!value) return std::nullopt;
    return JSONUtil::write(*value, true);
}

void expectSameAsTree(std::string_view text) {
    EXPECT_EQ(JSONCanonical::pretty(text), treeRendering(text)) << text;
}

} // namespace

TEST(JSONCanonical, RendersWhatTheTreeRenders) {
    const std::string cases[] = {
        R"({"b":1,"a":{"d":[],"c":{}},"A":[1,[2,[3]]]})",
        R"({"k":1,"k":{"x":2},"j":0,"k":[3]})", // the last of equal keys wins
        R"({"a":1,"\u0061":2})",                // keys equal once decoded
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
        " \t\n[ true , false , null ] \r\n",
        "\xEF\xBB\xBF[]",
        "[1,]",
        "{\"a\" 1}",
    };
    for (const std::string& text : cases)
        expectSameAsTree(text);
}

TEST(JSONCanonical, RefusesDepthBeyondTheLimitAsTheTreeDoes) {
    for (int depth : {JSONUtil::maxNestingDepth, JSONUtil::maxNestingDepth + 1}) {
        std::string text = std::string(depth, '[') + std::string(depth, ']');
        EXPECT_EQ(JSONCanonical::pretty(text).has_value(), depth <= JSONUtil::maxNestingDepth);
        expectSameAsTree(text);
    }
}

// Random edits of documents over JSON's characters, escapes and bytes the reader refuses: every
// edited text renders as the tree renders it, or is refused by both.
TEST(JSONCanonical, AgreesWithTheTreeOnRandomEdits) {
    const std::string alphabet[] = {
        "{",   "}",        "[",        "]",    ",",       ":",       "\"",
        " ",   "\\",       "/",        "0",    "7",       "-",       "+",
        ".",   "e",        "true",     "null", "\\u00e9", "\\ud83d", "\\ude00",
        "\\n", "\xC3\xA9", "\xE2\x80", "\x01", "a",       "1e999",   "99999999999999999999"};
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
        ASSERT_EQ(JSONCanonical::pretty(text), expected) << text;
    }
    EXPECT_GT(rendered, 1500) << "enough edited texts stay readable to compare";
}
