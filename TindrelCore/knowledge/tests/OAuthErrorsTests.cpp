#include "TindrelCore/knowledge/OAuthErrors.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(OAuthErrors, KnowsExactlyTheStandardCodes) {
    const char* codes[] = {
        "invalid_request",        "invalid_client",
        "invalid_grant",          "unauthorized_client",
        "unsupported_grant_type", "invalid_scope",
        "access_denied",          "unsupported_response_type",
        "server_error",           "temporarily_unavailable",
        "interaction_required",   "login_required",
        "consent_required",       "invalid_token",
        "insufficient_scope",     "expired_token",
    };
    EXPECT_EQ(OAuthErrors::table().size(), std::size(codes));
    for (const char* code : codes) {
        std::optional<OAuthErrors::Info> info = OAuthErrors::lookup(code);
        ASSERT_TRUE(info) << code;
        EXPECT_FALSE(info->meaning.empty() || info->likelyCause.empty() || info->nextStep.empty()) << code;
    }
}

TEST(OAuthErrors, RowsAreVerbatim) {
    struct Case {
        const char* code;
        OAuthErrors::Info info;
    } cases[] = {
        {"invalid_grant",
         {"The authorization grant or refresh token is invalid, expired, revoked, or doesn't match the "
          "redirect_uri.",
          "Auth code already used/expired (codes are single-use, ~seconds), clock skew, or redirect_uri "
          "mismatch.",
          "Restart the auth flow for a fresh code; ensure redirect_uri is byte-identical to the one used at "
          "/authorize; check server clock."}},
        {"invalid_request",
         {"The request is missing a required parameter or is otherwise malformed.",
          "A required field (grant_type, code, redirect_uri\u2026) is absent, duplicated, or wrongly "
          "encoded.",
          "Diff your request against the provider's token-endpoint spec; check Content-Type is "
          "application/x-www-form-urlencoded."}},
        {"temporarily_unavailable",
         {"The server is temporarily overloaded or down for maintenance.",
          "Transient provider unavailability (HTTP 503-like).", "Retry later with exponential backoff."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OAuthErrors::lookup(c.code), c.info) << c.code;
}

TEST(OAuthErrors, LookupIsExact) {
    for (const char* code :
         {"Invalid_Grant", "INVALID_GRANT", " invalid_grant", "invalid_grant ", "slow_down", "", "invalid"})
        EXPECT_FALSE(OAuthErrors::lookup(code)) << '"' << code << '"';
}
