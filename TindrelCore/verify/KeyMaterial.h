#pragma once

#include "TindrelCore/formats/CryptoLibrary.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The parsed side of a VerificationKey, for this folder's sources only: it holds OpenSSL types.
namespace tindrel {

using PublicKey = std::unique_ptr<EVP_PKEY, CryptoReleaser<&CryptoLibrary::EVP_PKEY_free>>;

// One key that may check a signature: a public key or an HMAC secret, with what a JWK says of it.
struct KeyEntry {
    std::string kid; // a JWK's "kid"; empty otherwise
    std::string alg; // a JWK's "alg": when given, the only algorithm the key may check
    std::string use; // a JWK's "use": when given, "sig" or the key checks nothing
    PublicKey publicKey;
    std::vector<unsigned char> secret; // an HMAC secret; only when there is no public key

    KeyEntry() = default;
    KeyEntry(KeyEntry&&) noexcept = default;
    KeyEntry& operator=(KeyEntry&&) noexcept = default;
    // A secret does not outlive its key in memory.
    ~KeyEntry();
};

struct KeyMaterial {
    std::string label;
    bool isSet = false; // a JWK Set: the token's "kid" picks among the entries
    std::vector<KeyEntry> entries;
    std::optional<std::string> problem;
};

namespace KeyReaders {

// Every public key and certificate among the PEM blocks; private keys and other blocks are skipped.
std::vector<KeyEntry> pemEntries(std::string_view text);
// A whole DER SubjectPublicKeyInfo or certificate.
std::optional<KeyEntry> derEntry(std::string_view bytes);
// An RSA, EC (P-256, P-384, P-521, secp256k1), OKP (Ed25519, Ed448) or oct JWK.
std::optional<KeyEntry> jwkEntry(const nlohmann::json& jwk);

} // namespace KeyReaders
} // namespace tindrel
