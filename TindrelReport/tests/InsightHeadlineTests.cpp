#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelReport/InsightHeadline.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(InsightHeadline, StatusAlgorithmAndKindOfTheFirstStep) {
    struct Case {
        DetectionKind kind;
        Details details;
        std::string expected;
    } cases[] = {
        {DetectionKind::jwt, {{"alg", "HS256"}, {"expired", "true"}}, "This is an expired HS256 JWT."},
        {DetectionKind::jwt, {{"alg", "HS256"}, {"expired", "false"}}, "This is a valid HS256 JWT."},
        {DetectionKind::jwt, {{"alg", "ES256"}}, "This is an ES256 JWT."},
        {DetectionKind::base64, {}, "This is a Base64."},
        {DetectionKind::hex, {{"expired", "maybe"}}, "This is a Hex."},
        {DetectionKind::url, {}, "This is an URL."},
        {DetectionKind::uuid, {}, "This is an UUID."},
    };
    for (const Case& c : cases) {
        DecodeResult jwt{DetectionKind::jwt, "", 0.9, "", {{"alg", "RS256"}, {"expired", "true"}}, false};
        DecodeChain chain{"in", {DecodeResult{c.kind, "out", 0.9, "", c.details, true}, jwt}};
        EXPECT_EQ(insightHeadline(chain), c.expected);
    }
    EXPECT_EQ(insightHeadline(DecodeChain{"hello", {}}), "This is an Unknown.");
}

TEST(InsightHeadline, SampleToken) {
    Clock::Pinned now(1733000000);
    EXPECT_EQ(insightHeadline(Tindrel::inspect(Samples::token)), "This is an expired HS256 JWT.");
}
