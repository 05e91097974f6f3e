#include "TindrelCore/detectors/HexDetector.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(HexDetector, RecognisesHexOfText) {
    struct Case {
        std::string input, output, bytes;
    } cases[] = {
        {"68656c6c6f20776f726c64", "hello world", "11"},
        {"68656C6C6F20776F726C64", "hello world", "11"},
        {"0x68656c6c6f", "hello", "5"},
        {"0X68656C6C6F", "hello", "5"},
        {" \t68656c6c\n", "hell", "4"},
        {"c3a9c3a8c3a0c3a7", "\u00E9\u00E8\u00E0\u00E7", "8"}, // bytes, not characters
        {"616263640a09", "abcd\n\t", "6"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = HexDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->kind, DetectionKind::hex);
        EXPECT_EQ(result->output, c.output);
        EXPECT_EQ(result->confidence, 0.6);
        EXPECT_EQ(result->summary, "Hex \u2192 " + c.bytes + " bytes of text");
        EXPECT_EQ(result->details, (Details{{"bytes", c.bytes}}));
        EXPECT_FALSE(result->terminal);
    }
}

TEST(HexDetector, RefusesWhatIsNotHexOfText) {
    const char* cases[] = {
        "6865 6c6c",          // inner space
        "68656c6",            // seven digits
        "0x68656c6",          // seven digits after the prefix
        "0x686c6c",           // six digits after the prefix
        "68656c6c6f2",        // odd
        "68656g6c",           // not hex
        "x068656c6c",         // the prefix is 0x, not x0
        "0x0x68656c6c",       // only one prefix is dropped
        "c328c328c328c328",   // not UTF-8
        "0001020304050607",   // control characters
        "616263640000000000", // five NULs in nine bytes
        "",
    };
    for (const char* input : cases)
        EXPECT_FALSE(HexDetector().decode(input)) << input;
}
