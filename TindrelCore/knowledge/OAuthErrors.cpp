#include "TindrelCore/knowledge/OAuthErrors.h"

namespace tindrel::OAuthErrors {

const std::map<std::string, Info, std::less<>>& table() {
    static const std::map<std::string, Info, std::less<>> entries = {
        {"invalid_request",
         {"The request is missing a required parameter or is otherwise malformed.",
          "A required field (grant_type, code, redirect_uri\u2026) is absent, duplicated, or wrongly "
          "encoded.",
          "Diff your request against the provider's token-endpoint spec; check Content-Type is "
          "application/x-www-form-urlencoded."}},
        {"invalid_client",
         {"Client authentication failed.",
          "Wrong client_id/client_secret, or credentials sent the wrong way (Basic auth vs body).",
          "Verify client_id/secret and which auth method the provider expects; rotate the secret if it may "
          "have leaked."}},
        {"invalid_grant",
         {"The authorization grant or refresh token is invalid, expired, revoked, or doesn't match the "
          "redirect_uri.",
          "Auth code already used/expired (codes are single-use, ~seconds), clock skew, or redirect_uri "
          "mismatch.",
          "Restart the auth flow for a fresh code; ensure redirect_uri is byte-identical to the one used at "
          "/authorize; check server clock."}},
        {"unauthorized_client",
         {"This client isn't allowed to use this grant type.",
          "The grant (e.g. password, client_credentials) isn't enabled for this client registration.",
          "Enable the grant type for the client in the provider's dashboard, or use a grant the client is "
          "allowed."}},
        {"unsupported_grant_type",
         {"The authorization server doesn't support this grant type.",
          "Typo in grant_type, or using a grant the server doesn't offer.",
          "Check grant_type spelling against the provider's docs (e.g. authorization_code, refresh_token, "
          "client_credentials)."}},
        {"invalid_scope",
         {"The requested scope is invalid, unknown, or exceeds what's granted.",
          "Misspelled scope, a scope not registered for the client, or wrong delimiter.",
          "Verify each scope string and that scopes are space-delimited; confirm they're granted to the "
          "client."}},
        {"access_denied",
         {"The resource owner or authorization server denied the request.",
          "The user declined consent, or a policy blocked the request.",
          "Re-prompt for consent; check provider policies/conditional-access rules."}},
        {"unsupported_response_type",
         {"The authorization server doesn't support this response_type.",
          "response_type unsupported or disabled (e.g. token in a code-only config).",
          "Use a supported response_type (commonly code) and enable it for the client."}},
        {"server_error",
         {"The authorization server hit an unexpected internal error.",
          "Provider-side fault; equivalent to an HTTP 500.",
          "Retry with backoff; if it persists, check the provider's status page."}},
        {"temporarily_unavailable",
         {"The server is temporarily overloaded or down for maintenance.",
          "Transient provider unavailability (HTTP 503-like).", "Retry later with exponential backoff."}},
        {"interaction_required",
         {"(OIDC) Silent auth failed; user interaction is needed.",
          "prompt=none was used but the user must interact.",
          "Retry without prompt=none so the user can complete the flow."}},
        {"login_required",
         {"(OIDC) The user isn't authenticated and must log in.", "prompt=none with no active session.",
          "Redirect the user through an interactive login."}},
        {"consent_required",
         {"(OIDC) User consent is required and wasn't given.",
          "prompt=none but consent hasn't been granted for the requested scopes.",
          "Retry with an interactive consent prompt."}},
        {"invalid_token",
         {"(RFC 6750) The access token is expired, revoked, malformed, or otherwise invalid.",
          "Token past exp, revoked, wrong audience, or truncated in transit.",
          "Refresh the token; verify you send it as 'Authorization: Bearer <token>' and the audience matches "
          "the API."}},
        {"insufficient_scope",
         {"(RFC 6750) The token lacks the scope this resource requires.",
          "The granted scopes don't cover this endpoint.",
          "Request the required scope during authorization and re-issue the token."}},
        {"expired_token",
         {"The token (often a refresh or device-code token) has expired.",
          "The token lifetime elapsed before use.",
          "Obtain a new token by re-running the appropriate flow."}},
    };
    return entries;
}

std::optional<Info> lookup(std::string_view code) {
    const auto& entries = table();
    auto it = entries.find(code);
    if (it == entries.end()) return std::nullopt;
    return it->second;
}

} // namespace tindrel::OAuthErrors
