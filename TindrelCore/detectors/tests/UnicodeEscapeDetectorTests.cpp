#include "TindrelCore/detectors/UnicodeEscapeDetector.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(UnicodeEscapeDetector, DecodesBackslashEscapes) {
    struct Case {
        std::string input, output, count;
    } cases[] = {
        {"caf\\u00e9", "caf\u00E9", "1"},
        {"\\u0041", "A", "1"},
        {"\\x41", "A", "1"},
        {"\\u20AC \\u20ac", "\u20AC \u20AC", "2"},
        {"\\xe9", "\u00E9", "1"},                            // Latin-1, not a UTF-8 byte
        {"\\xc3\\xa9", "\u00C3\u00A9", "2"},                 // two characters, not one
        {"\\ud83d\\ude00 \\u0041", "\\ud83d\\ude00 A", "1"}, // surrogates stay as written
        {"\\U0041 \\X41 \\u0041", "\\U0041 \\X41 A", "1"},   // capitals are not escapes
        {"\\\\u0041", "\\A", "1"},
        {"\\u004 \\x4 \\x41", "\\u004 \\x4 A", "1"},
        {"\\x41\\u00", "A\\u00", "1"}, // cut short by the end of the text
        {"\\x41\\", "A\\", "1"},
        {"\\u004G\\x4G\\x41", "\\u004G\\x4GA", "1"},
        {"\\u0000", std::string(1, '\0'), "1"},
        {"  \\u0041\n", "  A\n", "1"}, // surrounding blanks kept
        {"\u00E9\\u00e9", "\u00E9\u00E9", "1"},
        {"\\u00411", "A1", "1"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = UnicodeEscapeDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->kind, DetectionKind::unicodeEscape);
        EXPECT_EQ(result->output, c.output) << c.input;
        EXPECT_EQ(result->confidence, 0.8);
        EXPECT_EQ(result->summary, "Unicode escapes (" + c.count + " decoded)");
        EXPECT_EQ(result->details, (Details{{"count", c.count}}));
        EXPECT_FALSE(result->terminal);
    }
}

TEST(UnicodeEscapeDetector, RefusesTextWithoutDecodableEscapes) {
    const char* cases[] = {
        "plain text",
        "C:\\Users\\ada",
        "\\ud800",
        "\\uDFFF\\uD83D",
        "\\U00E9",
        "\\X41",
        "\\u00e",
        "\\x4",
        "\\u00e9\u0301", // the last digit carries an accent, so it is no digit
        "\\x4\u0301"
        "1",
        "\u0600\\u0041", // a prepended mark joins the backslash
        "",
    };
    for (const char* input : cases)
        EXPECT_FALSE(UnicodeEscapeDetector().decode(input)) << input;
}
