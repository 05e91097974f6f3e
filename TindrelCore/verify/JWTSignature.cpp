#include "TindrelCore/verify/JWTSignature.h"

#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Text.h"
#include "TindrelCore/text/TextCase.h"
#include "TindrelCore/verify/SignatureAlgorithms.h"

#include <algorithm>
#include <memory>

namespace tindrel {
namespace {

struct Verdict {
    std::string signature;
    std::string key;
};

std::string keyName(const KeyMaterial& material, const KeyEntry* entry) {
    if (!entry || entry->kid.empty()) return material.label;
    return material.label + " (kid " + entry->kid + ")";
}

const KeyEntry* onlyOne(const std::vector<const KeyEntry*>& entries) {
    return entries.size() == 1 ? entries.front() : nullptr;
}

// The token's kid picks the keys of that kid; a token without one, or whose kid no key has, may be
// checked by every key.
std::vector<const KeyEntry*> candidates(const KeyMaterial& material, std::string_view kid) {
    std::vector<const KeyEntry*> named, all;
    for (const KeyEntry& entry : material.entries) {
        all.push_back(&entry);
        if (!kid.empty() && entry.kid == kid) named.push_back(&entry);
    }
    return named.empty() ? all : named;
}

std::string unknownAlgorithm(std::string_view alg) {
    if (alg == "?") return "not checked: the header names no algorithm";
    return "not checked: unknown algorithm " + std::string(alg);
}

Verdict check(std::string_view token, std::string_view alg, std::string_view kid,
              const KeyMaterial& material) {
    if (material.problem) return {"not checked: " + *material.problem, material.label};
    // An unsigned token claims no signature at all, so no key ever vouches for it.
    if (TextCase::lowercased(alg) == "none") return {"invalid", material.label};
    const SignatureAlgorithms::Algorithm* algorithm = SignatureAlgorithms::find(alg);
    if (!algorithm) return {unknownAlgorithm(alg), material.label};

    std::vector<const KeyEntry*> named = candidates(material, kid), fitting;
    for (const KeyEntry* entry : named)
        if (SignatureAlgorithms::canCheck(*algorithm, *entry)) fitting.push_back(entry);
    if (fitting.empty()) {
        std::string who = material.isSet && named.size() > 1 ? "no key in this set can" : "this key cannot";
        return {"not checked: " + who + " check " + std::string(alg), keyName(material, onlyOne(named))};
    }
    std::size_t lastDot = token.rfind('.');
    std::optional<Bytes::Buffer> signature = Bytes::base64URLDecode(token.substr(lastDot + 1));
    for (const KeyEntry* entry : fitting)
        if (signature &&
            SignatureAlgorithms::verifies(*algorithm, *entry, token.substr(0, lastDot), *signature))
            return {"verified", keyName(material, entry)};
    return {"invalid", keyName(material, onlyOne(fitting))};
}

std::string detail(const DecodeResult& step, const std::string& key) {
    auto it = step.details.find(key);
    return it == step.details.end() ? std::string() : it->second;
}

} // namespace

void verifyJWTSignatures(DecodeChain& chain, const VerificationKey& key) {
    // Each step decoded the step before's output; the first one the trimmed input.
    std::string_view decoded = Text::trim(chain.input);
    for (DecodeResult& step : chain.steps) {
        if (step.kind == DetectionKind::jwt) {
            Verdict verdict = check(decoded, detail(step, "alg"), detail(step, "kid"), key.material());
            step.details["signature"] = std::move(verdict.signature);
            step.details["signature_key"] = std::move(verdict.key);
        }
        decoded = step.output;
    }
}

void verifyJWTSignatures(ScanFinding& finding, const VerificationKey& key) {
    const std::vector<DecodeResult>& steps = finding.chain->steps;
    if (std::none_of(steps.begin(), steps.end(),
                     [](const DecodeResult& step) { return step.kind == DetectionKind::jwt; }))
        return;
    auto checked = std::make_shared<DecodeChain>(*finding.chain);
    verifyJWTSignatures(*checked, key);
    finding.chain = std::move(checked);
}

} // namespace tindrel
