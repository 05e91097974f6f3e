#include "ChainBuilders.h"
#include "TindrelAI/DetailCategorizer.h"
#include "TindrelAI/ExplanationRequest.h"

#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    out.push_back(text.substr(start));
    return out;
}

} // namespace

TEST(DetailCategorizer, SplitsExplanatoryKeysFromFacts) {
    struct Case {
        std::string key;
        bool explanatory;
    } cases[] = {
        {"security", true},
        {"recommendation", true},
        {"meaning", true},
        {"common_causes", true},
        {"next_step", true},
        {"next_steps", true},
        {"checklist", true},
        {"alg_note", true},
        {"exp_relative", true},
        {"error_meaning", true},
        {"Security", false},
        {"meaning_x", false},
        {"note", false},
        {"_notes", false},
        {"relative", false},
        {"alg", false},
        {"", false},
    };
    for (const Case& c : cases) {
        DetailCategorizer split(Details{{c.key, "v"}});
        EXPECT_EQ(split.engineNotes.size(), c.explanatory ? 1u : 0u) << c.key;
        EXPECT_EQ(split.facts.size(), c.explanatory ? 0u : 1u) << c.key;
    }
}

TEST(DetailCategorizer, KeepsAscendingKeyOrderInBothLists) {
    DetailCategorizer split(
        Details{{"zeta", "1"}, {"b_note", "2"}, {"Alpha", "3"}, {"a_note", "4"}, {"mid", "5"}});
    EXPECT_EQ(split.facts,
              (std::vector<DetailCategorizer::Pair>{{"Alpha", "3"}, {"mid", "5"}, {"zeta", "1"}}));
    EXPECT_EQ(split.engineNotes, (std::vector<DetailCategorizer::Pair>{{"a_note", "4"}, {"b_note", "2"}}));
    DetailCategorizer empty(Details{});
    EXPECT_TRUE(empty.facts.empty());
    EXPECT_TRUE(empty.engineNotes.empty());
}

TEST(ExplanationRequest, InstructionsAreSevenLinesWithoutFinalLineFeed) {
    std::vector<std::string> instruction = lines(std::string(ExplanationRequest::explanationInstructions()));
    ASSERT_EQ(instruction.size(), 7u);
    EXPECT_EQ(instruction[2], "Rules:");
    EXPECT_EQ(instruction[4], "- Be concise: 2-4 sentences, no preamble, no markdown headers.");
    EXPECT_TRUE(instruction[0].ends_with("entirely on the user's computer."));
    EXPECT_FALSE(instruction[6].empty());
}

TEST(ExplanationRequest, LaysOutEveryLayerWithFactsAndNotes) {
    DecodeChain chain = chainOf({
        step(DetectionKind::base64, "Base64 (20 bytes)", {{"decoded_bytes", "20"}, {"alphabet", "standard"}}),
        step(DetectionKind::jwt, "JWT signed with HS256",
             {{"alg", "HS256"}, {"alg_note", "Shared secret."}, {"recommendation", "Rotate it."}}),
        step(DetectionKind::json, "JSON object", {}, "{\n  \"a\": 1\n}"),
    });
    std::vector<std::string> expected = {
        "Decode shape: base64 \u2192 jwt \u2192 json",
        "",
        "Layer 1 \u2014 base64: Base64 (20 bytes)",
        "  Facts:",
        "    - alphabet: standard",
        "    - decoded_bytes: 20",
        "Layer 2 \u2014 jwt: JWT signed with HS256",
        "  Facts:",
        "    - alg: HS256",
        "  Engine notes:",
        "    - Shared secret.",
        "    - Rotate it.",
        "Layer 3 \u2014 json: JSON object",
        "",
        "Final decoded value:",
        "{",
        "  \"a\": 1",
        "}",
    };
    ExplanationRequest request(chain);
    EXPECT_EQ(lines(request.prompt), expected);
    EXPECT_TRUE(request.isRecognized);
    EXPECT_EQ(request.instructions, ExplanationRequest::explanationInstructions());
    EXPECT_EQ(request.prompt, ExplanationRequest::buildPrompt(chain));
}

TEST(ExplanationRequest, NotesOnlyStepHasNoFactsHeadingAndNotesAreNeverCut) {
    std::string note = "Not a password hash. " + std::string(900, 'n');
    std::string prompt = ExplanationRequest::buildPrompt(
        chainOf({step(DetectionKind::hash, "SHA-256 digest", {{"security", note}})}));
    EXPECT_EQ(prompt.find("  Facts:"), std::string::npos);
    EXPECT_NE(prompt.find("  Engine notes:\n    - " + note + "\n"), std::string::npos);
    EXPECT_EQ(prompt.find("security"), std::string::npos);
}

TEST(ExplanationRequest, CutsByUserPerceivedCharacters) {
    struct Case {
        std::size_t length, limit;
        bool cut;
    } cases[] = {{200, 200, false}, {201, 200, true}, {600, 600, false}, {601, 600, true}};
    for (const Case& c : cases) {
        std::string value = accented(c.length);
        std::string expected = c.cut ? accented(c.limit) + "\u2026" : value;
        bool isFact = c.limit == 200;
        DecodeChain chain = chainOf({isFact ? step(DetectionKind::json, "s", {{"k", value}})
                                            : step(DetectionKind::json, "s", {}, value)});
        std::string prompt = ExplanationRequest::buildPrompt(chain);
        std::string shown = isFact ? "    - k: " + expected + "\n" : "Final decoded value:\n" + expected;
        EXPECT_NE(prompt.find(shown), std::string::npos) << c.length;
        if (!isFact) {
            EXPECT_TRUE(prompt.ends_with(shown)) << c.length;
        }
    }
}

TEST(ExplanationRequest, UnrecognizedInputKeepsItsWhitespaceAndIsCutAt400) {
    std::string head = "The engine did not recognize this input as any known artifact.\nRaw input:\n";
    std::string longInput = "  " + std::string(998, 'x');
    struct Case {
        std::string input, expected;
    } cases[] = {
        {"  hello \n", head + "  hello \n"},
        {longInput, head + longInput.substr(0, 400) + "\u2026"},
        {std::string(400, 'y'), head + std::string(400, 'y')},
    };
    for (const Case& c : cases) {
        ExplanationRequest request(chainOf({}, c.input));
        EXPECT_EQ(request.prompt, c.expected);
        EXPECT_FALSE(request.isRecognized);
    }
}
