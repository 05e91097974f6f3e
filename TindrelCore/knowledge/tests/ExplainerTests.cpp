#include "TindrelCore/knowledge/Explainer.h"

#include <gtest/gtest.h>

using namespace tindrel;
using Explainer::RiskLevel;

namespace {

DecodeResult step(DetectionKind kind, Details details) {
    return {kind, "", 0.9, "", std::move(details), false};
}

DecodeChain chainOf(std::vector<DecodeResult> steps) {
    return {"input", std::move(steps)};
}

} // namespace

TEST(Explainer, RiskAndNextSteps) {
    struct Case {
        std::string name;
        std::vector<DecodeResult> steps;
        RiskLevel risk;
        std::vector<std::string> next;
    } cases[] = {
        {"empty", {}, RiskLevel::info, {}},
        {"unsigned",
         {step(DetectionKind::jwt, {{"alg", "NoNe"}, {"expired", "true"}})},
         RiskLevel::critical,
         {"Reject this token \u2014 it is unsigned (alg: none) and trivially forged."}},
        {"expired HS256",
         {step(DetectionKind::jwt, {{"alg", "HS256"}, {"expired", "true"}})},
         RiskLevel::warning,
         {"Reject this token \u2014 it has expired.", "Issue a fresh token if the session is still valid.",
          "Rotate the shared secret if it may have leaked."}},
        {"valid RS256",
         {step(DetectionKind::jwt, {{"alg", "RS256"}, {"expired", "false"}})},
         RiskLevel::info,
         {"Verify the signature server-side before trusting any claim."}},
        {"expired is case-sensitive",
         {step(DetectionKind::jwt, {{"alg", "hs512"}, {"expired", "True"}})},
         RiskLevel::info,
         {"Verify the signature server-side before trusting any claim.",
          "Keep the shared secret server-side \u2014 never ship it to clients."}},
        {"expired certificate",
         {step(DetectionKind::pem, {{"expired", "true"}})},
         RiskLevel::warning,
         {"Renew the certificate \u2014 it has expired."}},
        {"empty recommendation still warns",
         {step(DetectionKind::hash, {{"recommendation", ""}})},
         RiskLevel::warning,
         {""}},
        {"recommendation on another kind does not warn",
         {step(DetectionKind::json, {{"recommendation", "Do it."}})},
         RiskLevel::info,
         {"Do it."}},
        {"repeats removed and capped at four",
         {step(DetectionKind::jwt, {{"alg", "HS256"}}), step(DetectionKind::jwt, {{"alg", "HS256"}}),
          step(DetectionKind::jwt, {{"alg", "HS256"}, {"expired", "true"}})},
         RiskLevel::warning,
         {"Verify the signature server-side before trusting any claim.",
          "Keep the shared secret server-side \u2014 never ship it to clients.",
          "Reject this token \u2014 it has expired.", "Issue a fresh token if the session is still valid."}},
        {"critical stops the walk",
         {step(DetectionKind::jwt, {{"alg", "none"}}), step(DetectionKind::pem, {{"expired", "true"}})},
         RiskLevel::critical,
         {"Reject this token \u2014 it is unsigned (alg: none) and trivially forged.",
          "Renew the certificate \u2014 it has expired."}},
        {"invalid signature is critical and comes first",
         {step(DetectionKind::pem, {{"expired", "true"}}),
          step(DetectionKind::jwt, {{"alg", "RS256"}, {"signature", "invalid"}})},
         RiskLevel::critical,
         {"Do not trust this token \u2014 its signature does not verify with the given key.",
          "Renew the certificate \u2014 it has expired.",
          "Verify the signature server-side before trusting any claim."}},
        {"verified signature keeps the expiry warning",
         {step(DetectionKind::jwt, {{"alg", "ES256"}, {"expired", "true"}, {"signature", "verified"}})},
         RiskLevel::warning,
         {"Reject this token \u2014 it has expired.", "Issue a fresh token if the session is still valid."}},
        {"unchecked signature changes nothing",
         {step(DetectionKind::jwt,
               {{"alg", "HS256"}, {"signature", "not checked: this key cannot check HS256"}})},
         RiskLevel::info,
         {"Verify the signature server-side before trusting any claim.",
          "Keep the shared secret server-side \u2014 never ship it to clients."}},
        {"a signature fact outside a token is no verdict",
         {step(DetectionKind::json, {{"signature", "invalid"}})},
         RiskLevel::info,
         {}},
    };
    for (const Case& c : cases) {
        DecodeChain chain = chainOf(c.steps);
        EXPECT_EQ(Explainer::riskLevel(chain), c.risk) << c.name;
        EXPECT_EQ(Explainer::nextSteps(chain), c.next) << c.name;
    }
}

TEST(Explainer, RelativeTime) {
    struct Case {
        double seconds;
        std::string text;
    } cases[] = {
        {1, "in 1 second"},           {0, "in 0 seconds"},     {-7200, "2 hours ago"},
        {90000, "in 1 day"},          {59.6, "in 60 seconds"}, {3599, "in 60 minutes"},
        {-0.4, "0 seconds ago"},      {-259200, "3 days ago"}, {5400, "in 2 hours"},
        {-86400 * 1.5, "2 days ago"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Explainer::relativeTime(c.seconds), c.text) << c.seconds;
    EXPECT_FALSE(Explainer::relativeTime(1e300).empty());
    EXPECT_FALSE(Explainer::relativeTime(std::numeric_limits<double>::infinity()).empty());
    EXPECT_FALSE(Explainer::relativeTime(std::numeric_limits<double>::quiet_NaN()).empty());
}

TEST(Explainer, AlgorithmNotes) {
    EXPECT_EQ(Explainer::jwtAlgNote("none"),
              "alg \"none\" means the token is UNSIGNED \u2014 its signature is not "
              "verified. Never accept a 'none' token; it's a classic JWT auth-bypass.");
    EXPECT_EQ(Explainer::jwtAlgNote("PS384"), Explainer::jwtAlgNote("rs256"));
    EXPECT_TRUE(Explainer::jwtAlgNote("ES256K"));
    EXPECT_TRUE(Explainer::jwtAlgNote("EdDSA"));
    EXPECT_FALSE(Explainer::jwtAlgNote("?"));
    EXPECT_FALSE(Explainer::jwtAlgNote("Ed25519"));
    EXPECT_EQ(Explainer::jwtClaim("exp"), "Expiration \u2014 reject the token at/after this instant.");
    EXPECT_FALSE(Explainer::jwtClaim("EXP"));
    EXPECT_EQ(Explainer::jwtClaims().size(), 7u);
}

TEST(Explainer, PasswordHashNotes) {
    struct Case {
        std::string algorithm;
        std::optional<std::string> cost;
        std::optional<std::string> note;
        std::optional<std::string> nextStep;
    } cases[] = {
        {"bcrypt", "10", "bcrypt with cost 10 \u2014 adequate work factor.", std::nullopt},
        {"bcrypt", "09", "bcrypt is solid, but cost 9 is low for modern hardware.",
         "Raise the cost to \u2265 12 and re-hash on next login."},
        {"bcrypt", "-3", "bcrypt is solid, but cost -3 is low for modern hardware.",
         "Raise the cost to \u2265 12 and re-hash on next login."},
        {"bcrypt", "+12", "bcrypt with cost 12 \u2014 adequate work factor.", std::nullopt},
        {"bcrypt", "abc", "bcrypt \u2014 a sound, deliberately-slow password hash.", std::nullopt},
        {"bcrypt", "99999999999999999999", "bcrypt \u2014 a sound, deliberately-slow password hash.",
         std::nullopt},
        {"bcrypt", std::nullopt, "bcrypt \u2014 a sound, deliberately-slow password hash.", std::nullopt},
        {"argon2d", std::nullopt,
         "argon2d \u2014 argon2id is generally preferred (resists both side-channel and GPU attacks).",
         "Prefer argon2id for new password hashing."},
        {"yescrypt", std::nullopt, "yescrypt \u2014 memory-hard KDF; a strong choice for passwords.",
         std::nullopt},
        {"Argon2id", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        auto note = Explainer::passwordHashNote(c.algorithm, c.cost ? std::optional<std::string_view>(*c.cost)
                                                                    : std::nullopt);
        EXPECT_EQ(note ? std::optional(note->note) : std::nullopt, c.note) << c.algorithm;
        if (note) {
            EXPECT_EQ(note->nextStep, c.nextStep) << c.algorithm;
        }
    }
    EXPECT_EQ(Explainer::digestNote(256).note, "A fast general-purpose digest \u2014 NOT a password hash.");
    EXPECT_NE(Explainer::digestNote(128).note, Explainer::digestNote(160).note);
}
