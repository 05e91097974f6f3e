#include "TindrelCore/redact/SecretRules.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(SecretRules, QueryKeysThatNameSecrets) {
    for (std::string_view key : {"code",          "Code",
                                 "token",         "access_token",
                                 "refresh_token", "id_token",
                                 "client_secret", "password",
                                 "secret",        "api_key",
                                 "apikey",        "API-Key",
                                 "key",           "sig",
                                 "signature",     "X-Amz-Signature",
                                 "accessToken",   "user[password]",
                                 "session_id",    "auth_code",
                                 "private_key",   "x-amz-security-token"})
        EXPECT_TRUE(Redaction::isSecretKey(key)) << key;
    for (std::string_view key : {"state", "scope", "grant_type", "redirect_uri", "error", "error_description",
                                 "page", "user", "id", "response_type", "pairs", "next_step", "keyword"})
        EXPECT_FALSE(Redaction::isSecretKey(key)) << key;
}

TEST(SecretRules, ModesByName) {
    EXPECT_EQ(Redaction::modeNamed(""), Redaction::Mode::secrets);
    EXPECT_EQ(Redaction::modeNamed("secrets"), Redaction::Mode::secrets);
    EXPECT_EQ(Redaction::modeNamed("keep-claims"), Redaction::Mode::keepClaims);
    EXPECT_EQ(Redaction::modeNamed("all"), Redaction::Mode::all);
    for (std::string_view name : {"ALL", "keep_claims", "none", " all"})
        EXPECT_FALSE(Redaction::modeNamed(name)) << name;
}

TEST(SecretRules, WholeTextMaskKeepsLinesAndTheWhiteSpaceAroundThem) {
    std::string text = " a b \r\n\n\tc\n";
    EXPECT_EQ(Redaction::applyEdits(text, Redaction::wholeTextEdits(text, "<redacted X>")),
              " <redacted X> \r\n\n\t<redacted>\n");
}
