#include "TindrelCore/detectors/JWTDetector.h"

#include "TindrelCore/formats/FlatJSON.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/DateText.h"
#include "TindrelCore/text/Text.h"

#include <array>
#include <utility>

namespace tindrel {
namespace {

struct Segments {
    std::string_view header, payload, signature;
};

std::optional<Segments> split(std::string_view text) {
    std::size_t first = text.find('.');
    if (first == std::string_view::npos) return std::nullopt;
    std::size_t second = text.find('.', first + 1);
    if (second == std::string_view::npos || text.find('.', second + 1) != std::string_view::npos)
        return std::nullopt;
    Segments segments{text.substr(0, first), text.substr(first + 1, second - first - 1),
                      text.substr(second + 1)};
    if (segments.header.empty() || segments.payload.empty()) return std::nullopt;
    return segments;
}

// The claims are looked up, never walked, so a flat reading serves; it points into `bytes`.
std::optional<FlatJSON> decodeObject(const Bytes::Buffer& bytes) {
    std::optional<FlatJSON> value = FlatJSON::read(bytes);
    if (!value || !value->isObject()) return std::nullopt;
    return value;
}

void copyTextMember(const FlatJSON& object, const char* name, Details& details) {
    if (auto text = object.stringMember(name)) details[name] = std::string(*text);
}

// Returns the expiry part of the summary.
std::string addExpiry(double exp, Details& details) {
    double now = Clock::now();
    bool expired = exp < now;
    std::string rel = Explainer::relativeTime(exp - now);
    details["exp"] = DateText::iso8601(exp);
    details["expired"] = expired ? "true" : "false";
    details["exp_relative"] = rel;
    return expired ? "EXPIRED (" + rel + ")" : "valid, expires " + rel;
}

void addClaims(const FlatJSON& payload, Details& details) {
    for (const char* name : {"iat", "nbf"})
        if (auto value = payload.numberMember(name)) details[name] = DateText::iso8601(*value);
    for (const char* name : {"sub", "iss", "aud"})
        copyTextMember(payload, name, details);
    for (const char* name : {"iss", "sub", "aud", "exp", "nbf", "iat", "jti"})
        if (payload.hasMember(name))
            if (auto meaning = Explainer::jwtClaim(name))
                details[std::string(name) + "_meaning"] = std::move(*meaning);
}

} // namespace

std::optional<DecodeResult> JWTDetector::decode(std::string_view text) const {
    std::optional<Segments> segments = split(text);
    if (!segments) return std::nullopt;
    std::optional<Bytes::Buffer> headerBytes = Bytes::base64URLDecode(segments->header);
    if (!headerBytes) return std::nullopt;
    std::optional<FlatJSON> header = decodeObject(*headerBytes);
    if (!header) return std::nullopt;
    std::optional<Bytes::Buffer> payloadBytes = Bytes::base64URLDecode(segments->payload);
    if (!payloadBytes || !Text::isValidUTF8(*payloadBytes)) return std::nullopt;
    std::optional<FlatJSON> payload = decodeObject(*payloadBytes);
    if (!payload) return std::nullopt;

    // At most twenty facts: four from the header, three from the expiry, thirteen from the claims.
    Details details;
    details.reserve(20);
    std::string alg(header->stringMember("alg").value_or("?"));
    details["alg"] = alg;
    if (auto note = Explainer::jwtAlgNote(alg)) details["alg_note"] = std::move(*note);
    copyTextMember(*header, "typ", details);
    copyTextMember(*header, "kid", details);

    std::string summary = "JWT (" + alg + ")";
    if (auto exp = payload->numberMember("exp")) summary += ", " + addExpiry(*exp, details);
    addClaims(*payload, details);

    return DecodeResult{DetectionKind::jwt, std::move(*payloadBytes), 0.97,
                        std::move(summary), std::move(details),       false};
}

} // namespace tindrel
