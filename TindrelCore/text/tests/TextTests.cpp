#include "TindrelCore/text/Text.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(Text, TrimUsesUnicodeWhiteSpace) {
    struct Case {
        std::string input, expected;
    } cases[] = {
        {"  abc \n", "abc"},
        {"\u00A0abc\u3000", "abc"},
        {"\u2028\t x \u2029", "x"},
        {"\u200Babc", "\u200Babc"}, // zero-width space is not white space
        {" \u00E9 ", "\u00E9"},
        {"   ", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text::trim(c.input), c.expected) << c.input;
}

TEST(Text, CharacterCountIsUserPerceived) {
    EXPECT_EQ(Text::characterCount("abc"), 3u);
    EXPECT_EQ(Text::characterCount("a\r\nb"), 3u);
    EXPECT_EQ(Text::characterCount("e\u0301"), 1u);
    EXPECT_EQ(Text::characterCount("\U0001F469\u200D\U0001F4BB"), 1u);
    EXPECT_EQ(Text::characterCount("\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA"), 2u);
    EXPECT_EQ(Text::prefixCharacters("e\u0301xyz", 2), "e\u0301x");
    EXPECT_EQ(Text::prefixCharacters("ab", 5), "ab");
}

TEST(Text, PrintableThresholdIsNinetyPercent) {
    EXPECT_FALSE(Text::looksLikePrintableText(""));
    EXPECT_TRUE(Text::looksLikePrintableText(std::string("abcdefghi") + '\0'));
    EXPECT_FALSE(Text::looksLikePrintableText(std::string("abcdefgh") + '\0' + '\0'));
    EXPECT_TRUE(Text::looksLikePrintableText("\u65E5\u672C\u8A9E\u306E\u30C6\u30AD\u30B9\u30C8"));
    EXPECT_TRUE(Text::looksLikePrintableText("tab\tand\nnewline\r"));
    EXPECT_FALSE(Text::looksLikePrintableText("\x7F\x7F"));
}

TEST(Text, InvalidSequencesBecomeOneReplacementEach) {
    struct Case {
        std::string input, expected;
    } cases[] = {
        {"ok", "ok"},
        {"a\xFF"
         "b",
         "a\uFFFD"
         "b"},
        {"\xE2\x82"
         "A",
         "\uFFFD"
         "A"},                                  // truncated three-byte sequence: one maximal subpart
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"}, // an encoded surrogate is three errors
        {"\xF0\x9F\x98", "\uFFFD"},
        {"\xC0\xAF", "\uFFFD\uFFFD"}, // overlong
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Text::sanitizeUTF8(c.input), c.expected);
        EXPECT_EQ(Text::isValidUTF8(c.input), c.input == c.expected);
    }
}

TEST(Text, BeginsValidUTF8AllowsOnlyACutAtTheEnd) {
    struct Case {
        std::string input;
        bool begins;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"caf\u00E9", true},
        {"\xE2\x82", true},       // the first two bytes of the euro sign
        {"ab\xF0\x9F\x98", true}, // a four-byte emoji missing its last byte
        {"\xE0", true},
        {"\xC0", false}, // never a first byte
        {"\xFF", false},
        {"\x80", false},      // a continuation with nothing before it
        {"\xE2\x82z", false}, // cut off, then more text
        {"\xE0\x80", false},  // overlong, though short
        {"\xED\xA0", false},  // a surrogate's first bytes
        {"\xC3\xA9\xC3", true},
        {"\xC3\xA9\xC3 x", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Text::beginsValidUTF8(c.input), c.begins) << testing::PrintToString(c.input);
        if (Text::isValidUTF8(c.input)) {
            EXPECT_TRUE(Text::beginsValidUTF8(c.input));
        }
    }
}

TEST(Text, HasAtLeastCharactersAgreesWithTheCount) {
    const std::string texts[] = {"",
                                 "abc",
                                 "a\r\nb",
                                 "e\u0301e\u0301",
                                 "\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA",
                                 "\U0001F469\u200D\U0001F4BB!",
                                 "12345678"};
    for (const std::string& text : texts)
        for (std::size_t count = 0; count <= 9; ++count)
            EXPECT_EQ(Text::hasAtLeastCharacters(text, count), Text::characterCount(text) >= count)
                << text << " " << count;
}
