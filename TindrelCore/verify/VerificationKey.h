#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel {

struct KeyMaterial;

// A key the user hands over to check token signatures with. It is read once; copies share the
// parsed keys, which never change, so one key can check many tokens on any thread.
class VerificationKey {
public:
    // The bytes of a key file, named by `label` (the file name, made UTF-8): a PEM or DER public key or
    // certificate, a JWK or a JWK Set; anything else is an HMAC secret, one trailing newline ignored.
    // Public-key material is never taken as a secret, whatever the token's algorithm asks for.
    static VerificationKey fromFile(std::string label, std::string_view bytes);
    // A shared secret exactly as given, never read as any key format.
    static VerificationKey fromSecret(std::string label, std::string_view secret);

    // Why the material gives no key at all, for example "jwks.json holds no key that can be used";
    // nothing when it can check something.
    const std::optional<std::string>& problem() const;
    const std::string& label() const;
    const KeyMaterial& material() const { return *material_; }

private:
    explicit VerificationKey(std::shared_ptr<const KeyMaterial> material);

    std::shared_ptr<const KeyMaterial> material_;
};

} // namespace tindrel
