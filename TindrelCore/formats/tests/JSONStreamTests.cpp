#include "TindrelCore/formats/JSONStream.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace tindrel;
using nlohmann::json;

namespace {

// What nlohmann's strict dump writes, or nothing where it throws.
std::optional<std::string> dumped(const json& value, int indent) {
    try {
        return value.dump(indent, ' ', false, json::error_handler_t::strict);
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> streamed(const json& value, bool pretty, std::size_t level = 0) {
    JSONStream out(pretty, level);
    out.value(value);
    return std::move(out).take();
}

} // namespace

TEST(JSONStream, WritesWhatTheStrictDumpWrites) {
    const std::string strings[] = {
        "", "plain /slash/", "\"quoted\" and \\back\\", std::string("nul \0 bell \a", 12),
        "\b\f\n\r\t\x1f\x7f", "caf\u00E9 \u2192 \U0001F600", "long plain run before an escape\n",
        // not UTF-8: a lone continuation, an overlong, a surrogate, a cut sequence, a byte past U+10FFFF
        "a\x80", "\xC0\x80", "\xED\xA0\x80", "end \xE2\x82", "\xF5\x80\x80\x80"};
    std::vector<json> values = {
        json::parse(R"({"b":[1,-2,18446744073709551615,0.1,1.0,1e300,true,false,null],"a":{},"c":[],
                       "d":{"e":[{"f":"g"},[]]}})"),
        json::array(), json::object(), 0.855, 5};
    for (const std::string& text : strings) {
        values.emplace_back(text);
        values.push_back(json{{text, {text}}});
    }
    json deep = json{{"leaf", 1}}; // indented past the line of spaces the writer keeps
    for (int level = 0; level < 24; ++level)
        deep = json{{"k", deep}, {"z", json::array({level})}};
    values.push_back(deep);
    for (const json& value : values)
        for (int indent : {-1, 2})
            EXPECT_EQ(streamed(value, indent == 2), dumped(value, indent))
                << (dumped(value, -1) ? *dumped(value, -1) : "unwritable") << " " << indent;
    // Where the dump writes null for a number that is not finite, the documents are unwritable.
    EXPECT_FALSE(streamed(std::numeric_limits<double>::quiet_NaN(), false));
    EXPECT_FALSE(streamed(json{{"x", -std::numeric_limits<double>::infinity()}}, true));
}

// Doubles written again are remembered a handful at a time: more distinct values than that, zero
// of both signs and values whose bits differ only a little still come out as the dump writes them.
TEST(JSONStream, WritesEveryDoubleAsTheDumpWritesItWhenValuesRecur) {
    json values = json::array();
    for (int round = 0; round < 3; ++round)
        for (double value :
             {0.0, -0.0, 0.97, 0.95, 0.7, 0.5, 1.0, 1e300, 0.1, 0.30000000000000004, 0.3, 2.5e-8})
            values.push_back(value);
    EXPECT_EQ(streamed(values, false), dumped(values, -1));
}

// Strings of every length around the sixteen-byte blocks the writer classifies at once, with
// escapes and multi-byte sequences (whole, cut or ill-formed) falling on and across their edges,
// some after a plain run longer than a block.
TEST(JSONStream, WritesWhatTheStrictDumpWritesAcrossBlockEdges) {
    const std::string_view pieces[] = {"a",    "b",      " ",      "\"",         "\\",   "\n",       "\x01",
                                       "\x7f", "\u00E9", "\u2192", "\U0001F600", "\x80", "\xE2\x82", "/"};
    std::mt19937 random(9);
    for (int round = 0; round < 4000; ++round) {
        std::string text(round % 2 == 0 ? random() % 100 : 0, 'p');
        std::size_t length = random() % 40;
        for (std::size_t i = 0; i < length; ++i)
            text += pieces[random() % 12 < 9 ? random() % 3 : random() % std::size(pieces)];
        json value = text;
        for (int indent : {-1, 2})
            ASSERT_EQ(streamed(value, indent == 2), dumped(value, indent))
                << value.dump(-1, ' ', true, json::error_handler_t::replace);
    }
}

// Text for a place two levels deep: every line after the first carries the extra indent.
TEST(JSONStream, IndentsEmbeddedTextFromTheSecondLine) {
    const json value = json::parse(R"({"a":[1,{"b":"c"}],"d":{}})");
    std::string expected;
    for (char c : value.dump(2))
        expected += c == '\n' ? std::string("\n    ") : std::string(1, c);
    EXPECT_EQ(streamed(value, true, 2), expected);
}
