#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/tests/DetailsOf.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelReport/DecodedSummary.h"
#include "TindrelReport/InsightHeadline.h"
#include "TindrelReport/InternetDate.h"
#include "TindrelReport/ResultExport.h"

#include <clocale>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace tindrel;
using nlohmann::json;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const std::string footer = "_Decoded on-device with Tindrel \u2014 nothing left this computer._\n";

// The bytes of TindrelReport/tests/data/<name>; ctest sets TINDREL_SOURCE_DIR.
std::string testText(const std::string& name) {
    const char* root = std::getenv("TINDREL_SOURCE_DIR");
    std::ifstream file(std::string(root ? root : ".") + "/TindrelReport/tests/data/" + name,
                       std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Shows which instant reached the formatter, so tests see both the parse and the hand-over.
std::optional<std::string> instantText(std::int64_t seconds) {
    return "@" + std::to_string(seconds);
}

const json& cases(const char* table) {
    static const json data = json::parse(testText("report-cases.json"));
    return data.at(table);
}

DecodeResult step(DetectionKind kind, std::string output, Details details = {}) {
    return DecodeResult{kind, std::move(output), 0.9, "summary", std::move(details), false};
}

// Steps written as [kind, output, details].
DecodeChain chainOf(std::string input, const json& steps) {
    DecodeChain chain{std::move(input), {}};
    for (const json& s : steps)
        chain.steps.push_back(
            step(*detection_kind::fromRawValue(s[0].get<std::string>()), s[1], fixtures::detailsOf(s[2])));
    return chain;
}

DecodedSummary summaryOf(Details details, std::string output = "out") {
    return DecodedSummary(
        DecodeChain{"input", {step(DetectionKind::jwt, std::move(output), std::move(details))}}, instantText);
}

Rows rows(const DecodedSummary& summary) {
    Rows out;
    for (const DecodedSummary::Fact& fact : summary.facts)
        out.emplace_back(fact.label + (fact.mono ? " (mono)" : ""), fact.value);
    return out;
}

// Sets the process's time zone (a POSIX TZ rule such as "EST5") for one scope, then restores it.
struct InZone {
    explicit InZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InZone() {
        saved ? setenv("TZ", saved->c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    std::optional<std::string> saved;
};

} // namespace

TEST(DecodedSummary, StatusAndWhetherThePayloadIsStructured) {
    for (const json& c : cases("statuses")) {
        std::optional<SemanticStatus> status;
        if (c[1] == "warn") status = SemanticStatus::warn(c[2]);
        if (c[1] == "good") status = SemanticStatus::good(c[2]);
        EXPECT_EQ(summaryOf(fixtures::detailsOf(c[0])).status, status) << c[0];
    }
    for (const json& c : cases("structured"))
        EXPECT_EQ(summaryOf({}, c[0]).payloadIsStructured, c[1].get<bool>()) << c[0];
}

TEST(DecodedSummary, FactsAreAtMostFiveTokenClaimsFirstWithTimesReformatted) {
    // Token claims first in a fixed order, then the other keys; notes, explanations and the keys folded into
    // other facts are never facts of their own.
    for (const json& c : cases("facts"))
        EXPECT_EQ(rows(summaryOf(fixtures::detailsOf(c[0]))), c[1].get<Rows>()) << c[0];

    // A formatter that declines, or none at all, keeps the stored text.
    MediumDateFormatter declines = [](std::int64_t) { return std::optional<std::string>(); };
    for (const MediumDateFormatter& keeps : {declines, MediumDateFormatter()})
        EXPECT_EQ(
            rows(DecodedSummary(
                DecodeChain{"t", {step(DetectionKind::jwt, "", {{"iat", "2018-01-18T01:30:22Z"}})}}, keeps)),
            (Rows{{"Issued", "2018-01-18T01:30:22Z"}}));

    DecodedSummary first = summaryOf({{"alg", "HS256"}, {"sub", "s"}}),
                   second = summaryOf({{"alg", "HS256"}});
    EXPECT_NE(first.facts[0].id, first.facts[1].id);
    EXPECT_NE(first.facts[0].id, second.facts[0].id);
    EXPECT_EQ(first.facts[0].id.size(), 36u);
}

TEST(InsightHeadline, StatusAlgorithmAndKindOfTheFirstStep) {
    for (const json& c : cases("headlines")) {
        DecodeChain chain = chainOf(
            "in", json::array({{c[0], "out", c[1]}, {"jwt", "", {{"alg", "RS256"}, {"expired", "true"}}}}));
        EXPECT_EQ(insightHeadline(chain), c[2].get<std::string>());
    }
    EXPECT_EQ(insightHeadline(DecodeChain{"hello", {}}), "This is an Unknown.");
    Clock::Pinned now(1733000000);
    EXPECT_EQ(insightHeadline(Tindrel::inspect(Samples::token)), "This is an expired HS256 JWT.");
}

TEST(Dates, InternetDatesAndTheMediumDateOfTheCLibrary) {
    for (const json& c : cases("internetDates"))
        EXPECT_EQ(InternetDate::parse(c[0].get<std::string>()),
                  c[1].is_null() ? std::nullopt : std::optional(c[1].get<std::int64_t>()))
            << c[0];
    ASSERT_NE(std::setlocale(LC_TIME, "C"), nullptr);
    for (const json& c : cases("mediumDates")) {
        InZone zone(c[0].get<std::string>().c_str());
        EXPECT_EQ(MediumDate::fromCLibrary(c[1]), c[2].get<std::string>()) << c;
    }
}

// Sections appear only when they have content; the payload's fence is longer than any run of backticks in it.
TEST(Markdown, SectionsOfHandBuiltChains) {
    for (const json& c : cases("sections")) {
        std::optional<std::string> explanation;
        if (!c[2].is_null()) explanation = c[2];
        EXPECT_EQ(ResultExport::markdown(chainOf(c[0], c[1]), explanation, c[3], instantText),
                  c[4].get<std::string>() + footer)
            << c;
    }
}

TEST(Markdown, InspectedTextsEndToEnd) {
    Clock::Pinned now(1733000000);
    ASSERT_NE(std::setlocale(LC_TIME, "C"), nullptr);
    InZone zone("UTC0");

    std::string text =
        ResultExport::markdown(Tindrel::inspect("eyJ1c2VyIjoiYWRhIn0="), {}, {}, MediumDate::fromCLibrary);
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
    for (const json& c : cases("redacted")) {
        std::string input = c[0];
        std::string text = ResultExport::redactedMarkdown(Tindrel::inspect(input), "It reads " + input + ".",
                                                          {}, {}, Redaction::Mode::secrets);
        EXPECT_EQ(text.find(c[1].get<std::string>()), std::string::npos) << text;
        for (const std::string& kept :
             {c[2].get<std::string>(), c[3].get<std::string>(), std::string("## Insight\nIt reads ")})
            EXPECT_NE(text.find(kept), std::string::npos) << text;
    }
}
