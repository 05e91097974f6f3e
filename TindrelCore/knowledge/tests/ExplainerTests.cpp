#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/knowledge/OAuthErrors.h"
#include "TindrelCore/tests/DetailsOf.h"
#include "TindrelCore/tests/Fixtures.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace tindrel;

// Each case of tests/data/explainer.json: steps of given kinds and facts, and the risk and next
// steps read from them.
TEST(Explainer, RiskAndNextStepsFollowTheFacts) {
    nlohmann::json cases = nlohmann::json::parse(fixtures::testData("explainer.json"));
    ASSERT_GT(cases.size(), 10u);
    for (const nlohmann::json& c : cases) {
        DecodeChain chain{"input", {}};
        for (const nlohmann::json& step : c["steps"])
            for (const auto& [kind, details] : step.items())
                chain.steps.push_back(
                    {*detection_kind::fromRawValue(kind), "", 0.9, "", fixtures::detailsOf(details), false});
        EXPECT_EQ(Explainer::rawValue(Explainer::riskLevel(chain)), c["risk"]) << c["case"];
        EXPECT_EQ(Explainer::nextSteps(chain), c["next"].get<std::vector<std::string>>()) << c["case"];
    }
}

// The texts of each claim and code are checked where they are shown (functions.tsv, and the query
// strings of detectors/queryString.tsv, one for each OAuth error code).
TEST(Explainer, KnowsTheRegisteredClaimsAndOAuthErrorCodes) {
    EXPECT_EQ(Explainer::jwtClaims().size(), 7u);
    EXPECT_EQ(OAuthErrors::table().size(), 16u);
}
