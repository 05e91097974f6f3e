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

const std::string footer = "_Decoded on-device with Tindrel \u2014 nothing left this computer._\n";

std::optional<std::string> instantText(std::int64_t seconds) {
    return "@" + std::to_string(seconds);
}

DecodeResult step(DetectionKind kind, std::string output, Details details = {}) {
    return DecodeResult{kind, std::move(output), 0.9, "summary", std::move(details), false};
}

std::size_t backtickRun(std::string_view line) {
    return std::min(line.find_first_not_of('`'), line.size());
}

// A closing fence as a Markdown reader sees it: up to three spaces, at least as many backticks as the
// opening fence, then only blanks.
bool closesFence(std::string_view line, std::size_t openingLength) {
    const std::size_t indent = std::min(line.find_first_not_of(' '), line.size());
    if (indent > 3) return false;
    line.remove_prefix(indent);
    const std::size_t run = backtickRun(line);
    return run >= openingLength && line.find_first_not_of(" \t", run) == std::string_view::npos;
}

struct FencedBlock {
    std::string_view fence, content, after;
};

// The first backtick-fenced block of `text`, with what follows its closing line; nothing when it
// never closes.
std::optional<FencedBlock> firstFencedBlock(std::string_view text) {
    std::optional<FencedBlock> block;
    std::size_t contentStart = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        const std::size_t next = std::min(end + 1, text.size());
        if (!block && backtickRun(line) >= 3) {
            block = FencedBlock{line.substr(0, backtickRun(line)), {}, {}};
            contentStart = next;
        } else if (block && closesFence(line, block->fence.size())) {
            block->content = text.substr(contentStart, pos - contentStart);
            block->after = text.substr(next);
            return block;
        }
        pos = next;
    }
    return std::nullopt;
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
        {{"t", {step(DetectionKind::jwt, "", {{"expired", "false"}})}}, {}, {}, "# JWT \u2014 Valid\n\n"},
        {{"t", {step(DetectionKind::hex, "")}}, "", {}, "# Hex\n\n"},
        {{"t", {step(DetectionKind::hex, "")}}, "Why.", {}, "# Hex\n\n## Insight\nWhy.\n\n"},
        {{"t", {step(DetectionKind::hex, "")}}, {}, {"One."}, "# Hex\n\n**What to do next**\n- One.\n\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResultExport::markdown(c.chain, c.explanation, c.nextSteps, instantText),
                  c.expected + footer);
}

TEST(Markdown, PayloadFenceOutrunsEveryBacktickRunInside) {
    struct Case {
        const char* name;
        std::string payload;
        std::string fence;
    } cases[] = {
        {"no backticks", "plain text", "```"},
        {"inline code spans", "use `a` or ``b``", "```"},
        {"three inside", "Hi ``` there", "````"},
        {"three on a line of their own", "line\n```\nmore", "````"},
        {"four inside", "a ```` b ``` c", "`````"},
        {"run at the start", "```start", "````"},
        {"run at the end", "end````", "`````"},
        {"longest run in the middle", "`` ``````` `", "````````"},
        {"trailing line feed", "Hi ```\n", "````"},
    };
    for (const Case& c : cases) {
        DecodeChain chain{"t", {step(DetectionKind::hex, c.payload)}};
        const std::string report = ResultExport::markdown(chain, {}, {}, instantText);
        EXPECT_EQ(report,
                  "# Hex\n\n## Final value\n" + c.fence + "\n" + c.payload + "\n" + c.fence + "\n\n" + footer)
            << c.name;
        std::optional<FencedBlock> block = firstFencedBlock(report);
        ASSERT_TRUE(block) << c.name;
        EXPECT_EQ(block->fence, c.fence) << c.name;
        EXPECT_EQ(block->content, c.payload + "\n") << c.name;
        EXPECT_EQ(block->after, "\n" + footer) << c.name;
    }
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

TEST(Markdown, RedactedReportKeepsTheFactsAndLosesTheSecret) {
    struct Case {
        std::string input;
        std::string secret;
        std::string payload;
        std::string fact;
    } cases[] = {
        {"client_secret=s3cr3tValue&grant_type=client_credentials", "s3cr3tValue",
         "```\nclient_secret = <redacted>\ngrant_type = client_credentials\n```",
         "- **Client Secret:** <redacted>\n"},
        {std::string(Samples::token), "WFcAD6v17Rjvln8IXjjtbwEFx4Swrl", "```\n<redacted JWT>\n```",
         "- **Subject:** 1234567890\n"},
        {"$2y$12$OPhhtMtaNQNWYDByjd/Aeuh.moH/h.Gx5nVV4BF/3RaEFzBxlg8cC", "OPhhtMtaNQNWYDByjd",
         "```\n$2y$12$<redacted>\n```", "- **Cost:** 12\n"},
    };
    for (const Case& c : cases) {
        DecodeChain chain = Tindrel::inspect(c.input);
        std::string text = ResultExport::redactedMarkdown(chain, "It reads " + c.input + ".", {}, {},
                                                          Redaction::Mode::secrets);
        EXPECT_EQ(text.find(c.secret), std::string::npos) << text;
        EXPECT_NE(text.find(c.payload), std::string::npos) << text;
        EXPECT_NE(text.find(c.fact), std::string::npos) << text;
        EXPECT_NE(text.find("## Insight\nIt reads "), std::string::npos) << text;
    }
}
