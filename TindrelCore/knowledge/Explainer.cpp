#include "TindrelCore/knowledge/Explainer.h"

#include "TindrelCore/knowledge/CertificateBundle.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>

namespace tindrel::Explainer {
namespace {

std::string lowercased(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string detail(const DecodeResult& step, const std::string& key) {
    auto it = step.details.find(key);
    return it == step.details.end() ? std::string() : it->second;
}

// Only a key the user supplied writes `signature`; the engine alone never does.
bool signatureInvalid(const DecodeResult& step) {
    return step.kind == DetectionKind::jwt && detail(step, "signature") == "invalid";
}

void appendJWTSteps(const DecodeResult& step, std::vector<std::string>& texts) {
    std::string alg = lowercased(detail(step, "alg"));
    bool shared = alg.starts_with("hs");
    if (alg == "none") {
        texts.emplace_back("Reject this token \u2014 it is unsigned (alg: none) and trivially forged.");
    } else if (detail(step, "expired") == "true") {
        texts.emplace_back("Reject this token \u2014 it has expired.");
        texts.emplace_back("Issue a fresh token if the session is still valid.");
        if (shared) texts.emplace_back("Rotate the shared secret if it may have leaked.");
    } else {
        texts.emplace_back("Verify the signature server-side before trusting any claim.");
        if (shared) texts.emplace_back("Keep the shared secret server-side \u2014 never ship it to clients.");
    }
}

// The step's own details speak for the first block; the bundle adds what its other blocks need.
void appendPEMSteps(const DecodeChain& chain, std::size_t index, std::vector<std::string>& texts) {
    const bool firstExpired = detail(chain.steps[index], "expired") == "true";
    if (firstExpired) texts.emplace_back("Renew the certificate \u2014 it has expired.");
    if (auto bundle = CertificateBundle::ofStep(chain, index))
        for (std::string& text : CertificateBundle::nextSteps(*bundle, !firstExpired))
            texts.push_back(std::move(text));
}

// An optional sign and at least one digit, fitting a signed 64-bit value.
std::optional<long long> parseCost(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        pos = 1;
    }
    if (pos == text.size()) return std::nullopt;
    unsigned long long magnitude = 0;
    const unsigned long long limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c < '0' || c > '9') return std::nullopt;
        unsigned digit = unsigned(c - '0');
        if (magnitude > (limit - digit) / 10) return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (negative) return magnitude == limit ? std::numeric_limits<long long>::min() : -(long long)magnitude;
    return (long long)magnitude;
}

Note bcryptNote(std::optional<std::string_view> costText) {
    std::optional<long long> cost = costText ? parseCost(*costText) : std::nullopt;
    if (!cost) return {"bcrypt \u2014 a sound, deliberately-slow password hash.", std::nullopt};
    if (*cost > 9)
        return {fmt::format("bcrypt with cost {} \u2014 adequate work factor.", *cost), std::nullopt};
    return {fmt::format("bcrypt is solid, but cost {} is low for modern hardware.", *cost),
            "Raise the cost to \u2265 12 and re-hash on next login."};
}

} // namespace

std::string_view rawValue(RiskLevel level) {
    switch (level) {
    case RiskLevel::warning:
        return "warning";
    case RiskLevel::critical:
        return "critical";
    case RiskLevel::info:
        break;
    }
    return "info";
}

std::optional<RiskLevel> riskLevelFromRawValue(std::string_view raw) {
    for (RiskLevel level : {RiskLevel::info, RiskLevel::warning, RiskLevel::critical})
        if (rawValue(level) == raw) return level;
    return std::nullopt;
}

RiskLevel riskLevel(const DecodeChain& chain) {
    RiskLevel level = RiskLevel::info;
    for (std::size_t i = 0; i < chain.steps.size(); ++i) {
        const DecodeResult& step = chain.steps[i];
        if (step.kind == DetectionKind::jwt && lowercased(detail(step, "alg")) == "none")
            return RiskLevel::critical;
        if (signatureInvalid(step)) return RiskLevel::critical;
        if (detail(step, "expired") == "true") level = RiskLevel::warning;
        if (step.kind == DetectionKind::hash && step.details.contains("recommendation"))
            level = RiskLevel::warning;
        if (auto bundle = CertificateBundle::ofStep(chain, i);
            bundle && CertificateBundle::needsAttention(*bundle))
            level = RiskLevel::warning;
    }
    return level;
}

std::vector<std::string> nextSteps(const DecodeChain& chain) {
    std::vector<std::string> texts;
    if (std::any_of(chain.steps.begin(), chain.steps.end(), signatureInvalid))
        texts.emplace_back(
            "Do not trust this token \u2014 its signature does not verify with the given key.");
    for (std::size_t i = 0; i < chain.steps.size(); ++i) {
        const DecodeResult& step = chain.steps[i];
        if (step.kind == DetectionKind::pem) appendPEMSteps(chain, i, texts);
        if (step.kind == DetectionKind::jwt) appendJWTSteps(step, texts);
        if (auto it = step.details.find("recommendation"); it != step.details.end())
            texts.push_back(it->second);
    }
    std::vector<std::string> unique;
    for (std::string& text : texts) {
        if (std::find(unique.begin(), unique.end(), text) != unique.end()) continue;
        unique.push_back(std::move(text));
        if (unique.size() == 4) break;
    }
    return unique;
}

std::optional<std::string> jwtAlgNote(std::string_view alg) {
    std::string a = lowercased(alg);
    if (a == "none")
        return "alg \"none\" means the token is UNSIGNED \u2014 its signature is not verified. Never accept "
               "a "
               "'none' token; it's a classic JWT auth-bypass.";
    if (a.starts_with("hs"))
        return "HMAC with a shared secret (symmetric) \u2014 anyone holding the secret can forge tokens, so "
               "keep "
               "it server-side and long.";
    if (a.starts_with("rs") || a.starts_with("ps"))
        return "RSA signature (asymmetric) \u2014 verified with the public key; only the private-key holder "
               "can "
               "sign.";
    if (a.starts_with("es"))
        return "ECDSA signature (asymmetric, elliptic-curve) \u2014 verified with the public key.";
    if (a == "eddsa") return "Edwards-curve signature (asymmetric) \u2014 verified with the public key.";
    return std::nullopt;
}

const std::map<std::string, std::string>& jwtClaims() {
    static const std::map<std::string, std::string> table = {
        {"iss", "Issuer \u2014 who created and signed the token."},
        {"sub", "Subject \u2014 the principal the token is about (often a user id)."},
        {"aud", "Audience \u2014 who the token is for; the recipient must match it."},
        {"exp", "Expiration \u2014 reject the token at/after this instant."},
        {"nbf", "Not-before \u2014 the token is invalid before this instant."},
        {"iat", "Issued-at \u2014 when the token was created."},
        {"jti", "JWT ID \u2014 unique token identifier (replay protection)."},
    };
    return table;
}

std::optional<std::string> jwtClaim(std::string_view claim) {
    for (const auto& [name, meaning] : jwtClaims())
        if (name == claim) return meaning;
    return std::nullopt;
}

std::string relativeTime(double secondsFromNow) {
    if (!std::isfinite(secondsFromNow)) return "at an unknown time";
    double a = std::fabs(secondsFromNow);
    const char* unit = "day";
    double count = std::round(a / 86400);
    if (a < 60) {
        unit = "second";
        count = std::round(a);
    } else if (a < 3600) {
        unit = "minute";
        count = std::round(a / 60);
    } else if (a < 86400) {
        unit = "hour";
        count = std::round(a / 3600);
    }
    // Beyond 64-bit day counts the whole number is still written out in full, never trapped.
    std::string phrase =
        count < 1e15 ? std::to_string(static_cast<std::uint64_t>(count)) : fmt::format("{:.0f}", count);
    phrase += ' ';
    phrase += unit;
    if (count != 1) phrase += 's';
    return secondsFromNow < 0 ? phrase + " ago" : "in " + phrase;
}

Note digestNote(int bits) {
    if (bits == 128)
        return {"MD5 is cryptographically broken (practical collisions) \u2014 unsafe for signatures or "
                "passwords.",
                "If this guards data integrity/auth, move to SHA-256+; for passwords use bcrypt/argon2."};
    if (bits == 160)
        return {"SHA-1 is broken (collisions demonstrated) \u2014 deprecated for security use.",
                "Replace with SHA-256 or better; for passwords use bcrypt/argon2."};
    return {"A fast general-purpose digest \u2014 NOT a password hash.",
            "Never store passwords as a bare digest; use bcrypt or argon2id."};
}

std::optional<Note> passwordHashNote(std::string_view algorithm, std::optional<std::string_view> cost) {
    std::string id(algorithm);
    if (id == "bcrypt") return bcryptNote(cost);
    if (id == "argon2id")
        return Note{"argon2id \u2014 memory-hard; current best practice for password hashing.", {}};
    if (id == "argon2i" || id == "argon2d")
        return Note{
            id + " \u2014 argon2id is generally preferred (resists both side-channel and GPU attacks).",
            "Prefer argon2id for new password hashing."};
    if (id == "scrypt" || id == "yescrypt")
        return Note{id + " \u2014 memory-hard KDF; a strong choice for passwords.", {}};
    if (id == "sha256crypt" || id == "sha512crypt")
        return Note{id + " \u2014 acceptable with a high round count, though bcrypt/argon2 are preferred.",
                    {}};
    if (id == "md5crypt")
        return Note{"md5crypt is MD5-based and fast to brute-force \u2014 considered weak.",
                    "Migrate to bcrypt or argon2id and re-hash on next login."};
    if (id == "pbkdf2")
        return Note{"PBKDF2 \u2014 OK with a high iteration count, but GPU-friendlier than memory-hard KDFs.",
                    {}};
    return std::nullopt;
}

} // namespace tindrel::Explainer
