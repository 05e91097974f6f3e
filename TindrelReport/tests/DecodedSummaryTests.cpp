#include "TindrelReport/DecodedSummary.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// Shows which instant reached the formatter, so tests see both the parse and the hand-over.
std::optional<std::string> instantText(std::int64_t seconds) {
    return "@" + std::to_string(seconds);
}

DecodedSummary summaryOf(Details details, std::string output = "out",
                         DetectionKind kind = DetectionKind::jwt) {
    DecodeChain chain{"input", {DecodeResult{kind, std::move(output), 0.97, "", std::move(details), false}}};
    return DecodedSummary(chain, instantText);
}

Rows rows(const DecodedSummary& summary) {
    Rows out;
    for (const DecodedSummary::Fact& fact : summary.facts)
        out.emplace_back(fact.label + (fact.mono ? " (mono)" : ""), fact.value);
    return out;
}

} // namespace

TEST(DecodedSummary, ChainWithoutSteps) {
    DecodedSummary summary(DecodeChain{" plain text ", {}}, instantText);
    EXPECT_EQ(summary.kindLabel, "Unknown");
    EXPECT_EQ(summary.status, std::nullopt);
    EXPECT_TRUE(summary.path.empty());
    EXPECT_TRUE(summary.facts.empty());
    EXPECT_EQ(summary.payload, " plain text ");
}

TEST(DecodedSummary, KindPathAndFinalPayload) {
    DecodeChain chain{"e30=",
                      {DecodeResult{DetectionKind::base64, "{}", 0.9, "", {{"alg", "x"}}, false},
                       DecodeResult{DetectionKind::json, "{\n}", 0.95, "", {{"sub", "y"}}, true}}};
    DecodedSummary summary(chain, instantText);
    EXPECT_EQ(summary.kindLabel, "Base64");
    EXPECT_EQ(summary.path, (std::vector<std::string>{"base64", "json"}));
    EXPECT_EQ(summary.payload, "{\n}");
    EXPECT_EQ(rows(summary), (Rows{{"Algorithm", "x"}}));
    EXPECT_EQ(summaryOf({}, "", DetectionKind::pem).kindLabel, "Certificate");
}

TEST(DecodedSummary, StructuredPayloadStartsWithABraceOrBracketOnceTrimmed) {
    std::pair<std::string, bool> cases[] = {{"  [1,2]", true}, {"\n{\"a\":1}", true}, {"\u00A0[", true},
                                            {"x{", false},     {"", false},           {" \"[\"", false}};
    for (const auto& [payload, structured] : cases)
        EXPECT_EQ(summaryOf({}, payload).payloadIsStructured, structured) << payload;
}

TEST(DecodedSummary, StatusFromTheExpiredDetail) {
    std::pair<std::string, std::optional<SemanticStatus>> cases[] = {
        {"true", SemanticStatus::warn("Expired")},
        {"false", SemanticStatus::good("Valid")},
        {"True", std::nullopt},
        {"yes", std::nullopt}};
    for (const auto& [expired, status] : cases)
        EXPECT_EQ(summaryOf({{"expired", expired}}).status, status) << expired;
    EXPECT_EQ(summaryOf({{"alg", "HS256"}}).status, std::nullopt);
}

TEST(DecodedSummary, TimeClaimsAreReformattedAndExpiryCarriesItsRelativeTime) {
    Details details{{"exp", "2018-01-18T01:30:22Z"},
                    {"exp_relative", "6 years ago"},
                    {"iat", "2018-01-18T02:30:22+01:00"},
                    {"nbf", "not a date"},
                    {"not_after", "2018-01-18T01:30:22Z"}};
    EXPECT_EQ(rows(summaryOf(details)), (Rows{{"Expires", "@1516239022 \u00B7 6 years ago"},
                                              {"Issued", "@1516239022"},
                                              {"Not valid before", "not a date"},
                                              {"Not After", "2018-01-18T01:30:22Z"}}));
    EXPECT_EQ(rows(summaryOf({{"exp", "out of range"}, {"exp_relative", "R"}})),
              (Rows{{"Expires", "out of range \u00B7 R"}}));

    DecodeChain chain{
        "t", {DecodeResult{DetectionKind::jwt, "", 1, "", {{"iat", "2018-01-18T01:30:22Z"}}, false}}};
    MediumDateFormatter declines = [](std::int64_t) { return std::optional<std::string>(); };
    for (const MediumDateFormatter& keeps : {declines, MediumDateFormatter()})
        EXPECT_EQ(rows(DecodedSummary(chain, keeps)), (Rows{{"Issued", "2018-01-18T01:30:22Z"}}));
}

TEST(DecodedSummary, AtMostFiveFactsPriorityKeysFirstThenOthersInOrder) {
    Details tenClaims{{"aud", "api"}, {"iss", "id"}, {"sub", "u-1"}, {"jti", "j"},     {"kid", "k1"},
                      {"nbf", "n"},   {"iat", "i"},  {"exp", "e"},   {"alg", "RS256"}, {"zone", "z"}};
    EXPECT_EQ(rows(summaryOf(tenClaims)), (Rows{{"Algorithm", "RS256"},
                                                {"Expires", "e"},
                                                {"Issued", "i"},
                                                {"Not valid before", "n"},
                                                {"Subject (mono)", "u-1"}}));
    Details mixed{{"name", "Ada"}, {"kid", "k1"}, {"Zed", "z"}, {"iss", "id"}, {"key_size", "2048"}};
    EXPECT_EQ(rows(summaryOf(mixed)), (Rows{{"Issuer (mono)", "id"},
                                            {"Key ID (mono)", "k1"},
                                            {"Zed", "z"},
                                            {"Key Size", "2048"},
                                            {"Name", "Ada"}}));
}

TEST(DecodedSummary, NotesExplanationsAndHiddenKeysAreNeverFacts) {
    Details notes{{"typ", "JWT"},       {"expired", "true"},    {"alg_note", "n"},  {"exp_relative", "r"},
                  {"sub_meaning", "m"}, {"age_relative", "a"},  {"security", "s"},  {"recommendation", "r"},
                  {"meaning", "m"},     {"common_causes", "c"}, {"next_step", "n"}, {"next_steps", "n"},
                  {"checklist", "c"}};
    EXPECT_TRUE(summaryOf(notes).facts.empty());
}

TEST(DecodedSummary, EveryFactGetsAFreshIdentifier) {
    Details details{{"alg", "HS256"}, {"sub", "s"}};
    DecodedSummary first = summaryOf(details), second = summaryOf(details);
    EXPECT_NE(first.facts[0].id, first.facts[1].id);
    EXPECT_NE(first.facts[0].id, second.facts[0].id);
    EXPECT_EQ(first.facts[0].id.size(), 36u);
}
