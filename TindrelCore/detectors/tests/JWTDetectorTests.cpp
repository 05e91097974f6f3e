#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/JWTDetector.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

constexpr double now = 1700000000;

std::string segment(const std::string& json) {
    std::string text = Bytes::base64Encode(json);
    for (char& c : text) {
        if (c == '+') c = '-';
        if (c == '/') c = '_';
    }
    return text.substr(0, text.find('='));
}

std::string token(const std::string& header, const std::string& payload,
                  const std::string& signature = "sig") {
    return segment(header) + "." + segment(payload) + "." + signature;
}

const std::string hs256 = R"({"alg":"HS256","typ":"JWT","kid":"k1"})";

} // namespace

TEST(JWTDetector, ExpiredTokenFacts) {
    Clock::Pinned pinned(now);
    auto result =
        JWTDetector().decode(token(hs256, R"({"sub":"ada","iat":1516239022,"exp":1699740800,"jti":7})"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->summary, "JWT (HS256), EXPIRED (3 days ago)");
    EXPECT_EQ(result->output, R"({"sub":"ada","iat":1516239022,"exp":1699740800,"jti":7})");
    EXPECT_EQ(result->confidence, 0.97);
    EXPECT_FALSE(result->terminal);
    const Details& d = result->details;
    EXPECT_EQ(d.at("alg"), "HS256");
    EXPECT_EQ(d.at("alg_note"), *Explainer::jwtAlgNote("HS256"));
    EXPECT_EQ(d.at("typ"), "JWT");
    EXPECT_EQ(d.at("kid"), "k1");
    EXPECT_EQ(d.at("iat"), "2018-01-18T01:30:22Z");
    EXPECT_EQ(d.at("exp"), "2023-11-11T22:13:20Z");
    EXPECT_EQ(d.at("expired"), "true");
    EXPECT_EQ(d.at("exp_relative"), "3 days ago");
    EXPECT_EQ(d.at("sub"), "ada");
    EXPECT_TRUE(d.contains("jti_meaning"));
    EXPECT_FALSE(d.contains("nbf"));
}

TEST(JWTDetector, ExpiryBoundaryIsStrict) {
    Clock::Pinned pinned(now);
    auto atNow = JWTDetector().decode(token(hs256, R"({"exp":1700000000})"));
    ASSERT_TRUE(atNow);
    EXPECT_EQ(atNow->details.at("expired"), "false");
    EXPECT_EQ(atNow->summary, "JWT (HS256), valid, expires in 0 seconds");
    auto secondBefore = JWTDetector().decode(token(hs256, R"({"exp":1699999999})"));
    EXPECT_EQ(secondBefore->details.at("expired"), "true");
}

TEST(JWTDetector, MembersOfOtherTypes) {
    Clock::Pinned pinned(now);
    auto result = JWTDetector().decode(
        token(R"({"typ":1})", R"({"exp":"1700000000","aud":["a","b"],"iss":null,"nbf":1800000000})", ""));
    ASSERT_TRUE(result);
    const Details& d = result->details;
    EXPECT_EQ(result->summary, "JWT (?)");
    EXPECT_EQ(d.at("alg"), "?");
    for (const char* absent : {"alg_note", "typ", "exp", "expired", "exp_relative", "aud", "iss"})
        EXPECT_FALSE(d.contains(absent)) << absent;
    for (const char* present : {"exp_meaning", "aud_meaning", "iss_meaning", "nbf_meaning"})
        EXPECT_TRUE(d.contains(present)) << present;
    EXPECT_EQ(d.at("nbf"), "2027-01-15T08:00:00Z"); // a future not-before is only a date
}

TEST(JWTDetector, MalformedTokens) {
    std::string header = segment(hs256), payload = segment(R"({"sub":"x"})");
    const std::string cases[] = {
        header + "." + payload,                       // two segments
        header + "." + payload + ".sig.extra",        // four
        "." + payload + ".sig",                       // empty header
        header + "..sig",                             // empty payload
        header + "." + payload.substr(0, 5) + ".sig", // length 1 mod 4
        header + "." + payload.substr(0, 4) + "\n" + payload.substr(4) + ".sig",
        header + "." + segment("[1]") + ".sig",              // payload not an object
        segment("\"alg\"") + "." + payload + ".sig",         // header not an object
        header + "." + segment("{\"a\":\"\xff\"}") + ".sig", // payload not UTF-8
        "a.b.c",
    };
    for (const std::string& text : cases)
        EXPECT_FALSE(JWTDetector().decode(text)) << text;
}

TEST(JWTDetector, UnsignedTokenIsCritical) {
    DecodeChain chain = Tindrel::inspect(token(R"({"alg":"none"})", R"({"sub":"x"})", ""));
    ASSERT_EQ(chain.shapeText(), "jwt \u2192 json");
    EXPECT_EQ(chain.steps[0].details.at("alg_note"), *Explainer::jwtAlgNote("none"));
    EXPECT_EQ(Explainer::riskLevel(chain), Explainer::RiskLevel::critical);
}

TEST(JWTDetector, AbsurdExpiryDoesNotStopTheDetector) {
    Clock::Pinned pinned(now);
    for (const char* exp : {"1e30", "-1e300", "1.7976931348623157e308", "123456789012345678901234567890"}) {
        auto result = JWTDetector().decode(token(hs256, std::string("{\"exp\":") + exp + "}"));
        ASSERT_TRUE(result) << exp;
        EXPECT_FALSE(result->details.at("exp").empty());
        EXPECT_FALSE(result->details.at("exp_relative").empty());
    }
    auto far = JWTDetector().decode(token(hs256, R"({"exp":1e30})"));
    EXPECT_EQ(far->details.at("expired"), "false");
}

TEST(JWTDetector, SampleTokenGivesAnExpiredChain) {
    DecodeChain chain = Tindrel::inspect(Samples::token);
    EXPECT_EQ(chain.shapeText(), "jwt \u2192 json");
    EXPECT_EQ(chain.steps[0].details.at("expired"), "true");
    EXPECT_EQ(Explainer::riskLevel(chain), Explainer::RiskLevel::warning);
}
