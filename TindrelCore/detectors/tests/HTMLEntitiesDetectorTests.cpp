#include "TindrelCore/detectors/HTMLEntitiesDetector.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(HTMLEntitiesDetector, DecodesReferencesOneLevel) {
    struct Case {
        std::string input, output, count;
    } cases[] = {
        {"{&quot;a&quot;:1}", "{\"a\":1}", "2"},
        {"&#65;&#x41;&#X41;", "AAA", "3"},
        {"&#0065; &#x0000041;", "A A", "2"},
        {"&amp;amp;", "&amp;", "1"}, // decoded text is not scanned again
        {"&lt;b&gt; &foo; &amp;", "<b> &foo; &", "3"},
        {"&AMP; &amp;", "&AMP; &", "1"}, // names are case-sensitive
        {"a & b &amp; c", "a & b & c", "1"},
        {"&&amp;", "&&", "1"},        // the first "&" has no known body, the second does
        {"&amp &lt;", "&amp <", "1"}, // "amp &lt" is no name; the walk goes on after the "&"
        {"&#xD800;&#1114112;&#1114111;", "&#xD800;&#1114112;\U0010FFFF", "1"},
        {"&#99999999999999999999;&#x10FFFF;", "&#99999999999999999999;\U0010FFFF", "1"},
        {"&#x;&#;&#x41;", "&#x;&#;A", "1"},
        {"&#0;", std::string(1, '\0'), "1"},
        {"&apos;&nbsp;&copy;&reg;&hellip;&mdash;&ndash;&trade;",
         "'\u00A0\u00A9\u00AE\u2026\u2014\u2013\u2122", "8"},
        {"  &lt;x&gt;\n", "  <x>\n", "2"}, // surrounding blanks kept
        {"\u00E9&eacute;&gt;", "\u00E9&eacute;>", "1"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = HTMLEntitiesDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->kind, DetectionKind::htmlEntities);
        EXPECT_EQ(result->output, c.output) << c.input;
        EXPECT_EQ(result->confidence, 0.85);
        EXPECT_EQ(result->summary, "HTML entities (" + c.count + " decoded)");
        EXPECT_EQ(result->details, (Details{{"count", c.count}}));
        EXPECT_FALSE(result->terminal);
    }
}

TEST(HTMLEntitiesDetector, RefusesTextWithoutKnownReferences) {
    const char* cases[] = {
        "fish & chips",
        "fish & chips; peas",
        "&AMP;",
        "&foo;",
        "&#xD800;",
        "&#1114112;",
        "&#xG1;",
        "&#-65;",
        "& amp;",
        "&\u0301amp;", // an ampersand carrying an accent is another character
        "&amp\u0301;",
        "&amp;\u0301", // so is a semicolon carrying one
        "\u0600&amp;", // a prepended mark joins the ampersand
        "",
    };
    for (const char* input : cases)
        EXPECT_FALSE(HTMLEntitiesDetector().decode(input)) << input;
}

TEST(HTMLEntitiesDetector, ManyAmpersandsShareOneSemicolon) {
    std::string ampersands(100000, '&');
    EXPECT_FALSE(HTMLEntitiesDetector().decode(ampersands + ";"));

    std::optional<DecodeResult> result = HTMLEntitiesDetector().decode(ampersands + "lt;" + ampersands);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->output, std::string(99999, '&') + "<" + ampersands);
    EXPECT_EQ(result->details.at("count"), "1");
}
