#pragma once

#include "TindrelCore/verify/KeyMaterial.h"

#include <cstddef>
#include <string_view>

// The JWS signature algorithms, checked through OpenSSL's EVP interface; for this folder only.
namespace tindrel::SignatureAlgorithms {

enum class Family { hmac, rsa, rsaPSS, ecdsa, edwards };

struct Algorithm {
    std::string_view name;
    Family family;
    const char* digest = nullptr;   // nothing for the Edwards curves, which hash inside
    const char* keyGroup = nullptr; // ECDSA: the curve; Ed25519 or Ed448: the key type; EdDSA: either
    std::size_t fieldBytes = 0;     // ECDSA: the width of r and of s in the signature
};

// The algorithm of exactly that name (names are case-sensitive); nothing for "none" and for
// names it does not know.
const Algorithm* find(std::string_view name);
// Whether the key is of the type the algorithm needs and, for a JWK, meant for signatures with it.
bool canCheck(const Algorithm& algorithm, const KeyEntry& key);
// Whether the signature over the signing input verifies with the key; a malformed signature
// (an ECDSA signature in DER rather than r and s, a wrong length) does not.
bool verifies(const Algorithm& algorithm, const KeyEntry& key, std::string_view signingInput,
              std::string_view signature);

} // namespace tindrel::SignatureAlgorithms
