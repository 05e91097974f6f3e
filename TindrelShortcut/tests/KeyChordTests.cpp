#include "TindrelShortcut/KeyChord.h"

#include <gtest/gtest.h>

using namespace tindrel;
using Modifiers = KeyChord::Modifiers;

TEST(KeyChord, DefaultIsOptionShiftSpace) {
    EXPECT_EQ(KeyChord::defaultChord(), (KeyChord{49, Modifiers(6), "Space"}));
    EXPECT_EQ(KeyChord::defaultChord().display(), "\u2325\u21E7Space");
    EXPECT_EQ(KeyChord::defaultChord().encoded(), R"({"keyCode":49,"keyLabel":"Space","modifiers":6})");
}

TEST(KeyChord, DisplayAndValidity) {
    struct Case {
        Modifiers modifiers;
        std::string display;
        bool valid;
    } cases[] = {
        {{Modifiers::command, Modifiers::shift, Modifiers::option, Modifiers::control},
         "\u2303\u2325\u21E7\u2318K",
         true},
        {{Modifiers::shift, Modifiers::control}, "\u2303\u21E7K", true},
        {{Modifiers::command}, "\u2318K", true},
        {{Modifiers::option}, "\u2325K", true},
        {{Modifiers::shift}, "\u21E7K", false},
        {{}, "K", false},
        {Modifiers(16 | 4), "\u21E7K", false}, // bits without a flag show nothing and count for nothing
    };
    for (const Case& c : cases) {
        KeyChord chord{40, c.modifiers, "K"};
        EXPECT_EQ(chord.display(), c.display) << c.modifiers.rawValue;
        EXPECT_EQ(chord.isValid(), c.valid) << c.modifiers.rawValue;
    }
}

TEST(KeyChord, ModifierSetOperations) {
    Modifiers set{Modifiers::option, Modifiers::command};
    EXPECT_TRUE(set.contains(Modifiers::option));
    EXPECT_FALSE(set.contains(Modifiers::option | Modifiers::shift));
    set.remove(Modifiers::option);
    set.insert(Modifiers::control);
    EXPECT_EQ(set.rawValue, 9);
    EXPECT_EQ((set & Modifiers{Modifiers::shift, Modifiers::command}), Modifiers::command);
}

TEST(KeyChord, LabelsPreferTheSpecialKeyTable) {
    struct Case {
        std::uint32_t code;
        std::optional<std::string_view> characters;
        std::string expected;
    } cases[] = {
        {49, "x", "Space"},
        {117, "\x7F", "\u2326"},
        {123, std::nullopt, "\u2190"},
        {121, {}, "Page Down"},
        {111, {}, "F12"},
        {40, "k", "K"},
        {40, " k\n", "K"},
        {41, "\u00E9", "\u00C9"},
        {40, " ", "Key 40"},
        {40, std::nullopt, "Key 40"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyChord::label(c.code, c.characters), c.expected) << c.code;
    int special = 0;
    for (std::uint32_t code = 0; code < 256; ++code)
        special += KeyChord::label(code, "q") != "Q";
    EXPECT_EQ(special, 27);
}

TEST(KeyChord, StoredFormRoundTripsAndNeedsAllThreeKeys) {
    KeyChord chords[] = {{40, {Modifiers::command, Modifiers::control}, "K"},
                         {4294967295u, Modifiers(-1), "a/\"b\""}};
    for (const KeyChord& chord : chords)
        EXPECT_EQ(KeyChord::decoded(chord.encoded()), chord);
    EXPECT_EQ(KeyChord::decoded(R"( {"modifiers":9,"keyLabel":"P","keyCode":35,"x":[{}]} )"),
              (KeyChord{35, Modifiers(9), "P"}));

    std::string deep = R"({"keyCode":49,"modifiers":6,"keyLabel":"Space","x":)" + std::string(100000, '[') +
                       std::string(100000, ']') + "}";
    std::string rejected[] = {
        "",
        "[]",
        R"({"keyCode":49,"modifiers":6})",
        R"({"keyCode":49,"keyLabel":"Space"})",
        R"({"modifiers":6,"keyLabel":"Space"})",
        R"({"keyCode":-1,"modifiers":6,"keyLabel":"Space"})",
        R"({"keyCode":4294967296,"modifiers":6,"keyLabel":"Space"})",
        R"({"keyCode":49.0,"modifiers":6,"keyLabel":"Space"})",
        R"({"keyCode":49,"modifiers":{"rawValue":6},"keyLabel":"Space"})",
        R"({"keyCode":49,"modifiers":9223372036854775808,"keyLabel":"Space"})",
        R"({"keyCode":49,"modifiers":6,"keyLabel":null})",
        deep,
    };
    for (const std::string& text : rejected)
        EXPECT_EQ(KeyChord::decoded(text), std::nullopt) << text;
}
