#include "TindrelCore/verify/VerificationKey.h"

#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/text/Text.h"
#include "TindrelCore/verify/KeyMaterial.h"

namespace tindrel {
namespace {

KeyMaterial withProblem(std::string label, const std::string& problem) {
    KeyMaterial material{std::move(label), false, {}, std::nullopt};
    material.problem = material.label + " " + problem;
    return material;
}

KeyMaterial singleKey(std::string label, KeyEntry entry) {
    KeyMaterial material{std::move(label), false, {}, std::nullopt};
    material.entries.push_back(std::move(entry));
    return material;
}

KeyMaterial secretMaterial(std::string label, std::string_view secret) {
    if (secret.empty()) return withProblem(std::move(label), "is empty");
    KeyEntry entry;
    entry.secret.assign(secret.begin(), secret.end());
    return singleKey(std::move(label), std::move(entry));
}

KeyMaterial pemMaterial(std::string label, std::string_view text) {
    std::vector<KeyEntry> entries = KeyReaders::pemEntries(text);
    if (entries.empty()) return withProblem(std::move(label), "holds no public key or certificate");
    return {std::move(label), false, std::move(entries), std::nullopt};
}

KeyMaterial jwkSetMaterial(std::string label, const nlohmann::json& keys) {
    KeyMaterial material{std::move(label), true, {}, std::nullopt};
    for (const nlohmann::json& jwk : keys)
        if (std::optional<KeyEntry> entry = KeyReaders::jwkEntry(jwk))
            material.entries.push_back(std::move(*entry));
    if (material.entries.empty())
        return withProblem(std::move(material.label), "holds no key that can be used");
    return material;
}

KeyMaterial jsonMaterial(std::string label, std::string_view text) {
    std::optional<nlohmann::json> document = JSONUtil::parse(text);
    if (document && document->is_object()) {
        auto keys = document->find("keys");
        if (keys != document->end() && keys->is_array()) return jwkSetMaterial(std::move(label), *keys);
        if (document->contains("kty")) {
            std::optional<KeyEntry> entry = KeyReaders::jwkEntry(*document);
            if (!entry) return withProblem(std::move(label), "holds a JWK that cannot be used");
            return singleKey(std::move(label), std::move(*entry));
        }
    }
    return withProblem(std::move(label), "holds neither a JWK nor a JWK Set");
}

bool isOpenSSHKey(std::string_view text) {
    return text.starts_with("ssh-") || text.starts_with("ecdsa-sha2-");
}

std::string_view withoutTrailingNewline(std::string_view bytes) {
    if (bytes.ends_with("\r\n"))
        bytes.remove_suffix(2);
    else if (bytes.ends_with('\n'))
        bytes.remove_suffix(1);
    return bytes;
}

// Whatever looks like public-key material is never an HMAC secret: a verifier that lets a token
// choose HMAC over a public key's bytes accepts tokens anyone can forge.
KeyMaterial fileMaterial(std::string label, std::string_view bytes) {
    if (bytes.find("-----BEGIN ") != std::string_view::npos) return pemMaterial(std::move(label), bytes);
    std::string_view text = Text::trim(bytes);
    if (text.starts_with('{')) return jsonMaterial(std::move(label), text);
    if (isOpenSSHKey(text))
        return withProblem(std::move(label),
                           "holds an OpenSSH public key; convert it to PEM first (ssh-keygen -e -m PKCS8)");
    if (std::optional<KeyEntry> entry = KeyReaders::derEntry(bytes))
        return singleKey(std::move(label), std::move(*entry));
    return secretMaterial(std::move(label), withoutTrailingNewline(bytes));
}

} // namespace

VerificationKey::VerificationKey(std::shared_ptr<const KeyMaterial> material)
    : material_(std::move(material)) {}

// The label goes into the facts a check adds to a chain, which documents must be able to hold: a
// file name that is not UTF-8 is named with U+FFFD in its place.
VerificationKey VerificationKey::fromFile(std::string label, std::string_view bytes) {
    Text::makeValidUTF8(label);
    return VerificationKey(std::make_shared<const KeyMaterial>(fileMaterial(std::move(label), bytes)));
}

VerificationKey VerificationKey::fromSecret(std::string label, std::string_view secret) {
    Text::makeValidUTF8(label);
    return VerificationKey(std::make_shared<const KeyMaterial>(secretMaterial(std::move(label), secret)));
}

const std::optional<std::string>& VerificationKey::problem() const {
    return material_->problem;
}

const std::string& VerificationKey::label() const {
    return material_->label;
}

} // namespace tindrel
