#include "TindrelCore/detectors/JWTDetector.h"

#include "TindrelCore/formats/FlatJSON.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/DateText.h"
#include "TindrelCore/text/Text.h"

#include <array>
#include <utility>
#include <vector>

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

using Facts = std::vector<Details::value_type>;

void copyTextMember(const FlatJSON& object, const char* name, Facts& facts) {
    if (auto text = object.stringMember(name)) facts.emplace_back(name, *text);
}

// Returns the expiry part of the summary.
std::string addExpiry(double exp, Facts& facts) {
    double now = Clock::now();
    bool expired = exp < now;
    std::string rel = Explainer::relativeTime(exp - now);
    facts.emplace_back("exp", DateText::iso8601(exp));
    facts.emplace_back("expired", expired ? "true" : "false");
    facts.emplace_back("exp_relative", rel);
    return expired ? "EXPIRED (" + rel + ")" : "valid, expires " + rel;
}

void addClaims(const FlatJSON& payload, Facts& facts) {
    for (const char* name : {"iat", "nbf"})
        if (auto value = payload.numberMember(name)) facts.emplace_back(name, DateText::iso8601(*value));
    for (const char* name : {"sub", "iss", "aud"})
        copyTextMember(payload, name, facts);
    for (const char* name : {"iss", "sub", "aud", "exp", "nbf", "iat", "jti"})
        if (payload.hasMember(name))
            if (auto meaning = Explainer::jwtClaim(name))
                facts.emplace_back(std::string(name) + "_meaning", std::move(*meaning));
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
    Facts facts;
    facts.reserve(20);
    std::string alg(header->stringMember("alg").value_or("?"));
    facts.emplace_back("alg", alg);
    if (auto note = Explainer::jwtAlgNote(alg)) facts.emplace_back("alg_note", std::move(*note));
    copyTextMember(*header, "typ", facts);
    copyTextMember(*header, "kid", facts);

    std::string summary = "JWT (" + alg + ")";
    if (auto exp = payload->numberMember("exp")) summary += ", " + addExpiry(*exp, facts);
    addClaims(*payload, facts);

    return DecodeResult{DetectionKind::jwt,
                        std::move(*payloadBytes),
                        0.97,
                        std::move(summary),
                        Details::fromAssignments(std::move(facts)),
                        false};
}

} // namespace tindrel
