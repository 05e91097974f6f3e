#include "TindrelCore/text/Percent.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(Percent, DecodesValidEscapes) {
    struct Case {
        std::string input, expected;
    } cases[] = {
        {"", ""},
        {"plain", "plain"},
        {"a%20b", "a b"},
        {"%2f%2F", "//"},
        {"Code+expired", "Code+expired"},
        {"%C3%A9t%C3%A9", "\u00E9t\u00E9"},
        {"%25", "%"},
        {"%2525", "%25"},
        {"\u00FC%21", "\u00FC!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Percent::decode(c.input), c.expected) << c.input;
}

TEST(Percent, MalformedEscapesAndNonUTF8Fail) {
    for (const char* input : {"%", "a%", "a%2", "%zz", "%2g", "100%", "ok%20then%", "%FF", "%C3", "%C3%28"})
        EXPECT_FALSE(Percent::decode(input)) << input;
}
