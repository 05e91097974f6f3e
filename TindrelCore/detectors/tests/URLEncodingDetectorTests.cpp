#include "TindrelCore/detectors/URLEncodingDetector.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(URLEncodingDetector, DecodesPercentEscapes) {
    struct Case {
        std::string input, output, summary, escapes;
    } cases[] = {
        {"a%20b", "a b", "URL/percent-encoded (1 escape)", "1"},
        {"%7B%22a%22%3A1%7D", "{\"a\":1}", "URL/percent-encoded (5 escapes)", "5"},
        {"%2f%2F", "//", "URL/percent-encoded (2 escapes)", "2"},
        {"a+b%3Dc", "a+b=c", "URL/percent-encoded (1 escape)", "1"},       // "+" stays
        {"  x%41y \n", "  xAy \n", "URL/percent-encoded (1 escape)", "1"}, // blanks kept
        {"caf%C3%A9", "caf\u00E9", "URL/percent-encoded (2 escapes)", "2"},
        {"%25", "%", "URL/percent-encoded (1 escape)", "1"},
        {"%2541", "%41", "URL/percent-encoded (1 escape)", "1"}, // one level only
        {"\u00E9%21", "\u00E9!", "URL/percent-encoded (1 escape)", "1"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = URLEncodingDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->kind, DetectionKind::url);
        EXPECT_EQ(result->output, c.output);
        EXPECT_EQ(result->confidence, 0.9);
        EXPECT_EQ(result->summary, c.summary);
        EXPECT_EQ(result->details, (Details{{"escapes", c.escapes}}));
        EXPECT_FALSE(result->terminal);
    }
}

TEST(URLEncodingDetector, RefusesMalformedOrInvalidEscapes) {
    const char* cases[] = {
        "no escapes here",
        "100% sure",
        "%41 and a lone %", // a valid escape does not save a broken one
        "%41%zz",
        "%4",
        "%",
        "%C3",       // half a UTF-8 sequence
        "%FF%FE",    // not UTF-8
        "%ED%A0%80", // an encoded surrogate
        "",
    };
    for (const char* input : cases)
        EXPECT_FALSE(URLEncodingDetector().decode(input)) << input;
}
