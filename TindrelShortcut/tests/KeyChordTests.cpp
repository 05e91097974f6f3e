#include "TindrelShortcut/KeyChord.h"

#include <gtest/gtest.h>

using namespace tindrel;
using Modifiers = KeyChord::Modifiers;

TEST(KeyChord, DisplayValidityAndTheDefault) {
    EXPECT_EQ(KeyChord::defaultChord(), (KeyChord{49, Modifiers(6), "Space"}));
    EXPECT_EQ(KeyChord::defaultChord().encoded(), R"({"keyCode":49,"keyLabel":"Space","modifiers":6})");
    const Modifiers control = Modifiers::control, option = Modifiers::option, shift = Modifiers::shift,
                    command = Modifiers::command;
    std::tuple<Modifiers, std::string, bool> cases[] = {
        {{command, shift, option, control}, "\u2303\u2325\u21E7\u2318K", true},
        {{shift, control}, "\u2303\u21E7K", true},
        {{command}, "\u2318K", true},
        {{option, shift}, "\u2325\u21E7K", true},
        {{shift}, "\u21E7K", false},
        {{}, "K", false},
        {Modifiers(16 | 4), "\u21E7K", false}, // bits without a flag show nothing and count for nothing
    };
    for (const auto& [modifiers, display, valid] : cases) {
        EXPECT_EQ((KeyChord{40, modifiers, "K"}.display()), display) << modifiers.rawValue;
        EXPECT_EQ((KeyChord{40, modifiers, "K"}.isValid()), valid) << modifiers.rawValue;
    }
    Modifiers set{option, command};
    EXPECT_FALSE(set.contains(option | shift));
    set.remove(option);
    set.insert(control);
    EXPECT_EQ(set.rawValue, 9);
    EXPECT_EQ((set & Modifiers{shift, command}), command);
}

TEST(KeyChord, LabelsPreferTheSpecialKeyTable) {
    std::tuple<std::uint32_t, std::optional<std::string_view>, std::string> cases[] = {
        {49, "x", "Space"},          {117, "\x7F", "\u2326"},  {123, std::nullopt, "\u2190"},
        {121, {}, "Page Down"},      {111, {}, "F12"},         {40, "k", "K"},
        {40, " k\n", "K"},           {41, "\u00E9", "\u00C9"}, {40, " ", "Key 40"},
        {40, std::nullopt, "Key 40"}};
    for (const auto& [code, characters, expected] : cases)
        EXPECT_EQ(KeyChord::label(code, characters), expected) << code;
    int special = 0;
    for (std::uint32_t code = 0; code < 256; ++code)
        special += KeyChord::label(code, "q") != "Q";
    EXPECT_EQ(special, 27);
}

TEST(KeyChord, StoredFormRoundTripsAndNeedsAllThreeKeys) {
    for (const KeyChord& chord : {KeyChord{40, {Modifiers::command, Modifiers::control}, "K"},
                                  KeyChord{4294967295u, Modifiers(-1), "a/\"b\""}})
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
        EXPECT_EQ(KeyChord::decoded(text), std::nullopt) << text.substr(0, 100);
}
