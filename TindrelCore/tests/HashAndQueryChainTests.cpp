#include "TindrelCore/Tindrel.h"
#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/knowledge/Explainer.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tindrel;

TEST(HashChain, RiskAndNextStepsFollowTheVerdict) {
    struct Case {
        std::string input;
        Explainer::RiskLevel risk;
        std::vector<std::string> nextSteps;
    } cases[] = {
        {"3cb4e732631f47e6eb961f34554b7cde",
         Explainer::RiskLevel::warning,
         {"If this guards data integrity/auth, move to SHA-256+; for passwords use bcrypt/argon2."}},
        {"2f9e53523b62abc141a2b4d6019d23cba835dbd0",
         Explainer::RiskLevel::warning,
         {"Replace with SHA-256 or better; for passwords use bcrypt/argon2."}},
        {"4104d36f8da2c254349f85836793ebe029e0c957063a34c91c2e9203187b5631",
         Explainer::RiskLevel::warning,
         {"Never store passwords as a bare digest; use bcrypt or argon2id."}},
        {"$2y$05$3UFSdD82WQFnJUnGafmE9uIBlworhIQq0ejJCmuyEfLfC.126V0WK",
         Explainer::RiskLevel::warning,
         {"Raise the cost to \u2265 12 and re-hash on next login."}},
        {"$1$saltsalt$ZliGyAN3DciDHEkDboonh/",
         Explainer::RiskLevel::warning,
         {"Migrate to bcrypt or argon2id and re-hash on next login."}},
        {"$2y$12$OPhhtMtaNQNWYDByjd/Aeuh.moH/h.Gx5nVV4BF/3RaEFzBxlg8cC", Explainer::RiskLevel::info, {}},
        {"$argon2id$v=19$m=65536,t=3,p=4$c29tZXNhbHR2YWx1ZQ$NhjVRuPkE8LULokiXwyEpigOkgIV5y5+MpAM96zb7o0",
         Explainer::RiskLevel::info,
         {}},
        {"$6$Zq2mYH4k$sQkukAwyE2jQYtUC/HurLqKM02Hc4vMpK3nitxFQSJ.dvVgOokT0MMhaMzxMF13BiW5AoDreMWFb0j.JXPMJ4.",
         Explainer::RiskLevel::info,
         {}},
    };
    for (const Case& c : cases) {
        DecodeChain chain = Tindrel::inspect(c.input);
        ASSERT_EQ(chain.shape(), std::vector<std::string>{"hash"}) << c.input;
        EXPECT_EQ(Explainer::riskLevel(chain), c.risk) << c.input;
        EXPECT_EQ(Explainer::nextSteps(chain), c.nextSteps) << c.input;
    }
}

TEST(QueryStringChain, OAuthErrorIsOneTerminalStep) {
    DecodeChain chain =
        Tindrel::inspect("  error=invalid_scope&error_description=Unknown+scope&state=af0ifjsldkj\n");
    ASSERT_EQ(chain.shape(), std::vector<std::string>{"queryString"});
    EXPECT_EQ(chain.steps[0].summary,
              "OAuth error: invalid_scope \u2014 The requested scope is invalid, unknown, "
              "or exceeds what's granted.");
    EXPECT_EQ(chain.steps[0].details.at("error_description"), "Unknown+scope");
    EXPECT_EQ(Explainer::riskLevel(chain), Explainer::RiskLevel::info);
}

// Detectors joined from different branches must keep the fixed tie-break order.
TEST(DefaultDetectors, FollowTheFixedOrder) {
    const std::vector<DetectionKind> order = {
        DetectionKind::jwt,         DetectionKind::pem,          DetectionKind::hash,
        DetectionKind::plist,       DetectionKind::xml,          DetectionKind::url,
        DetectionKind::gzip,        DetectionKind::zlib,         DetectionKind::json,
        DetectionKind::yaml,        DetectionKind::uuid,         DetectionKind::unixTimestamp,
        DetectionKind::queryString, DetectionKind::htmlEntities, DetectionKind::unicodeEscape,
        DetectionKind::base64,      DetectionKind::base32,       DetectionKind::base58,
        DetectionKind::hex,
    };
    auto next = order.begin();
    for (const auto& detector : defaultDetectors()) {
        next = std::find(next, order.end(), detector->kind());
        ASSERT_NE(next, order.end()) << detection_kind::rawValue(detector->kind()) << " is out of place";
        ++next;
    }
    auto has = [](DetectionKind kind) {
        return std::any_of(defaultDetectors().begin(), defaultDetectors().end(),
                           [kind](const auto& d) { return d->kind() == kind; });
    };
    EXPECT_TRUE(has(DetectionKind::hash));
    EXPECT_TRUE(has(DetectionKind::queryString));
}
