#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelReport/ResultExport.h"
#include "TindrelReport/tests/InZone.h"

#include <clocale>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

const std::string footer = "_Decoded on-device with Tindrel \u2014 nothing left this Mac._\n";

std::optional<std::string> instantText(std::int64_t seconds) {
    return "@" + std::to_string(seconds);
}

DecodeResult step(DetectionKind kind, std::string output, Details details = {}) {
    return DecodeResult{kind, std::move(output), 0.9, "summary", std::move(details), false};
}

} // namespace

TEST(Markdown, FullReportOfAnExpiredToken) {
    Details details{{"alg", "HS256"},      {"alg_note", "HMAC"}, {"exp", "2018-01-18T01:30:22Z"},
                    {"exp_relative", "R"}, {"expired", "true"},  {"sub", "1234567890"},
                    {"typ", "JWT"}};
    DecodeChain chain{"eyJ...", {step(DetectionKind::jwt, "{}", details), step(DetectionKind::json, "{\n}")}};
    std::string expected = "# JWT \u2014 Expired\n\n**Decode path:** `jwt \u2192 json`\n\n"
                           "## Facts\n- **Algorithm:** HS256\n- **Expires:** @1516239022 \u00B7 R\n"
                           "- **Subject:** 1234567890\n\n"
                           "## Decoded payload\n```\n{\n}\n```\n\n"
                           "## Insight\nIt has expired.\n\n"
                           "**What to do next**\n- Reject it.\n- Issue a fresh one.\n\n" +
                           footer;
    EXPECT_EQ(
        ResultExport::markdown(chain, "It has expired.", {"Reject it.", "Issue a fresh one."}, instantText),
        expected);
}

TEST(Markdown, SectionsAppearOnlyWhenTheyHaveContent) {
    struct Case {
        DecodeChain chain;
        std::optional<std::string_view> explanation;
        std::vector<std::string> nextSteps;
        std::string expected;
    } cases[] = {
        {{"hello", {}}, {}, {}, "# Unknown\n\n## Final value\n```\nhello\n```\n\n"},
        {{"", {}}, {}, {}, "# Unknown\n\n"},
        {{"t", {step(DetectionKind::hex, "Hi ```\n")}},
         {},
         {},
         "# Hex\n\n## Final value\n```\nHi ```\n\n```\n\n"},
        {{"t", {step(DetectionKind::jwt, "", {{"expired", "false"}})}}, {}, {}, "# JWT \u2014 Valid\n\n"},
        {{"t", {step(DetectionKind::hex, "")}}, "", {}, "# Hex\n\n"},
        {{"t", {step(DetectionKind::hex, "")}}, "Why.", {}, "# Hex\n\n## Insight\nWhy.\n\n"},
        {{"t", {step(DetectionKind::hex, "")}}, {}, {"One."}, "# Hex\n\n**What to do next**\n- One.\n\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResultExport::markdown(c.chain, c.explanation, c.nextSteps, instantText),
                  c.expected + footer);
}

TEST(Markdown, InspectedTextsEndToEnd) {
    Clock::Pinned now(1733000000);
    ASSERT_NE(std::setlocale(LC_TIME, "C"), nullptr);
    test_support::InZone zone("UTC0");

    DecodeChain json = Tindrel::inspect("eyJ1c2VyIjoiYWRhIn0=");
    std::string text = ResultExport::markdown(json, {}, {}, MediumDate::fromCLibrary);
    EXPECT_TRUE(text.starts_with("# Base64\n\n**Decode path:** `base64 \u2192 json`\n\n")) << text;

    DecodeChain token = Tindrel::inspect(Samples::token);
    text = ResultExport::markdown(token, {}, Explainer::nextSteps(token), MediumDate::fromCLibrary);
    std::string relative = token.steps.at(0).details.at("exp_relative");
    EXPECT_TRUE(text.starts_with("# JWT \u2014 Expired\n\n**Decode path:** `jwt \u2192 json`\n\n## Facts\n"
                                 "- **Algorithm:** HS256\n- **Expires:** Nov 14, 2023 \u00B7 " +
                                 relative + "\n- **Issued:** Nov 14, 2023\n- **Subject:** 1234567890\n\n"))
        << text;
    EXPECT_TRUE(text.ends_with("\n```\n\n**What to do next**\n- Reject this token \u2014 it has expired.\n"
                               "- Issue a fresh token if the session is still valid.\n"
                               "- Rotate the shared secret if it may have leaked.\n\n" +
                               footer))
        << text;
}
