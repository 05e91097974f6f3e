#include "TindrelCore/detectors/QueryStringDetector.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(QueryStringDetector, ListsPairsSortedByKey) {
    struct Case {
        std::string input, output, summary;
        Details details;
    } cases[] = {
        {"a=1&b=2", "a = 1\nb = 2", "Query string (2 pairs)", {{"pairs", "2"}, {"a", "1"}, {"b", "2"}}},
        {"b=1&B=2&a=3&_=4&9=5",
         "9 = 5\nB = 2\n_ = 4\na = 3\nb = 1",
         "Query string (5 pairs)",
         {{"pairs", "5"}, {"b", "1"}, {"B", "2"}, {"a", "3"}, {"_", "4"}, {"9", "5"}}},
        {"x=1&a=2&x=3",
         "a = 2\nx = 1\nx = 3",
         "Query string (3 pairs)",
         {{"pairs", "3"}, {"x", "3"}, {"a", "2"}}},
        {"empty=&k=v",
         "empty = \nk = v",
         "Query string (2 pairs)",
         {{"pairs", "2"}, {"empty", ""}, {"k", "v"}}},
        {"q=a%20b%2Bc&plus=1+2",
         "plus = 1+2\nq = a b+c",
         "Query string (2 pairs)",
         {{"pairs", "2"}, {"q", "a b+c"}, {"plus", "1+2"}}},
        {"bad=100%&also=%zz%20",
         "also = %zz%20\nbad = 100%",
         "Query string (2 pairs)",
         {{"pairs", "2"}, {"bad", "100%"}, {"also", "%zz%20"}}},
        {"latin1=%E9&ok=%C3%A9",
         "latin1 = %E9\nok = \u00E9",
         "Query string (2 pairs)",
         {{"pairs", "2"}, {"latin1", "%E9"}, {"ok", "\u00E9"}}},
        {"redirect=https://x.test/cb?a=b&state=a=b=c",
         "redirect = https://x.test/cb?a=b\nstate = a=b=c",
         "Query string (2 pairs)",
         {{"pairs", "2"}, {"redirect", "https://x.test/cb?a=b"}, {"state", "a=b=c"}}},
        {"user[name]=ada&v-1.x=2",
         "user[name] = ada\nv-1.x = 2",
         "Query string (2 pairs)",
         {{"pairs", "2"}, {"user[name]", "ada"}, {"v-1.x", "2"}}},
        {"pairs=many&z=1", "pairs = many\nz = 1", "Query string (2 pairs)", {{"pairs", "many"}, {"z", "1"}}},
        {"\n a=1&b=2\t", "a = 1\nb = 2", "Query string (2 pairs)", {{"pairs", "2"}, {"a", "1"}, {"b", "2"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QueryStringDetector().decode(c.input),
                  (DecodeResult{DetectionKind::queryString, c.output, 0.8, c.summary, c.details, true}))
            << c.input;
    }
}

TEST(QueryStringDetector, RejectsAnythingButWellFormedPairs) {
    for (const char* input : {
             "a=1",
             "",
             "a=1&&b=2",
             "&a=1&b=2",
             "a=1&b=2&",
             "a=1&b",
             "a=1&=2",
             "a%20b=1&c=2",
             "a b=1&c=2",
             "a=1 2&c=3",
             "a=1&c=3\nd=4",
             "k\u00E9y=1&c=2",
             "a:b=1&c=2",
             "a/b=1&c=2",
             "a+b=1&c=2",
             "&",
         })
        EXPECT_FALSE(QueryStringDetector().decode(input)) << input;
}

TEST(QueryStringDetector, ExplainsKnownOAuthErrors) {
    std::optional<DecodeResult> result =
        QueryStringDetector().decode("error=invalid_grant&error_description=Code+expired");
    ASSERT_TRUE(result);
    const std::string meaning = "The authorization grant or refresh token is invalid, expired, revoked, or "
                                "doesn't match the redirect_uri.";
    const std::string cause =
        "Auth code already used/expired (codes are single-use, ~seconds), clock skew, or "
        "redirect_uri mismatch.";
    const std::string next =
        "Restart the auth flow for a fresh code; ensure redirect_uri is byte-identical to "
        "the one used at /authorize; check server clock.";
    EXPECT_EQ(result->summary, "OAuth error: invalid_grant \u2014 " + meaning);
    EXPECT_EQ(result->output, "error = invalid_grant\nerror_description = Code+expired\n\n\u2192 " + meaning +
                                  "\nlikely cause: " + cause + "\nnext step: " + next);
    EXPECT_EQ(result->details, (Details{{"pairs", "2"},
                                        {"error", "invalid_grant"},
                                        {"error_description", "Code+expired"},
                                        {"error_meaning", meaning},
                                        {"likely_cause", cause},
                                        {"next_step", next}}));
    EXPECT_EQ(result->confidence, 0.8);
    EXPECT_TRUE(result->terminal);
}

TEST(QueryStringDetector, OAuthTextsReplaceSameNamedQueryKeys) {
    std::optional<DecodeResult> result =
        QueryStringDetector().decode("next_step=mine&error=access_denied&state=xyz&error=server_error");
    ASSERT_TRUE(result);
    // The first `error` pair is the one explained; the last one still wins in the details.
    EXPECT_EQ(
        result->summary,
        "OAuth error: access_denied \u2014 The resource owner or authorization server denied the request.");
    EXPECT_EQ(result->details.at("error"), "server_error");
    EXPECT_EQ(result->details.at("next_step"),
              "Re-prompt for consent; check provider policies/conditional-access rules.");
    EXPECT_EQ(result->details.at("likely_cause"),
              "The user declined consent, or a policy blocked the request.");
}

TEST(QueryStringDetector, OAuthCodeIsPercentDecodedBeforeLookup) {
    std::optional<DecodeResult> result = QueryStringDetector().decode("error=login%5Frequired&state=1");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->summary,
              "OAuth error: login_required \u2014 (OIDC) The user isn't authenticated and must log in.");
}

TEST(QueryStringDetector, UnknownOrNonErrorCodesGiveAPlainResult) {
    struct Case {
        std::string input;
        std::size_t pairs;
    } cases[] = {
        {"error=slow_down&interval=10", 2},
        {"error=Invalid_Grant&x=1", 2},
        {"error_code=invalid_grant&x=1", 2},
        {"Error=invalid_grant&x=1", 2},
        {"error=&x=1&y=2", 3},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = QueryStringDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->summary, "Query string (" + std::to_string(c.pairs) + " pairs)") << c.input;
        EXPECT_FALSE(result->details.contains("error_meaning")) << c.input;
        EXPECT_EQ(result->output.find("\u2192"), std::string::npos) << c.input;
    }
}

TEST(QueryStringDetector, DuplicateKeysKeepInputOrderInLongLists) {
    std::string input = "z=end";
    std::string bLines, aLines;
    for (int i = 0; i < 40; ++i) {
        std::string key = i % 2 ? "a" : "b";
        input += "&" + key + "=" + std::to_string(i);
        (i % 2 ? aLines : bLines) += key + " = " + std::to_string(i) + "\n";
    }
    std::optional<DecodeResult> result = QueryStringDetector().decode(input);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->output, aLines + bLines + "z = end");
    EXPECT_EQ(result->details.at("a"), "39");
}
