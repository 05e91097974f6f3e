#include "TindrelCore/verify/SignatureAlgorithms.h"

#include <array>
#include <optional>
#include <string>

namespace tindrel::SignatureAlgorithms {
namespace {

using DigestContext = std::unique_ptr<EVP_MD_CTX, CryptoReleaser<&CryptoLibrary::EVP_MD_CTX_free>>;
using Number = std::unique_ptr<BIGNUM, CryptoReleaser<&CryptoLibrary::BN_free>>;
using ECDSASignature = std::unique_ptr<ECDSA_SIG, CryptoReleaser<&CryptoLibrary::ECDSA_SIG_free>>;

constexpr std::array<Algorithm, 16> algorithms{{
    {"HS256", Family::hmac, "SHA256"},
    {"HS384", Family::hmac, "SHA384"},
    {"HS512", Family::hmac, "SHA512"},
    {"RS256", Family::rsa, "SHA256"},
    {"RS384", Family::rsa, "SHA384"},
    {"RS512", Family::rsa, "SHA512"},
    {"PS256", Family::rsaPSS, "SHA256"},
    {"PS384", Family::rsaPSS, "SHA384"},
    {"PS512", Family::rsaPSS, "SHA512"},
    {"ES256", Family::ecdsa, "SHA256", "prime256v1", 32},
    {"ES384", Family::ecdsa, "SHA384", "secp384r1", 48},
    {"ES512", Family::ecdsa, "SHA512", "secp521r1", 66},
    {"ES256K", Family::ecdsa, "SHA256", "secp256k1", 32},
    {"EdDSA", Family::edwards},
    {"Ed25519", Family::edwards, nullptr, "ED25519"},
    {"Ed448", Family::edwards, nullptr, "ED448"},
}};

const unsigned char* bytesOf(std::string_view bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

std::string groupName(EVP_PKEY* key) {
    std::array<char, 64> name{};
    std::size_t length = 0;
    if (crypto().EVP_PKEY_get_utf8_string_param(key, OSSL_PKEY_PARAM_GROUP_NAME, name.data(), name.size(),
                                                &length) != 1)
        return {};
    return std::string(name.data(), length);
}

bool publicKeyFits(const Algorithm& algorithm, EVP_PKEY* key) {
    switch (algorithm.family) {
    case Family::rsa:
        return crypto().EVP_PKEY_is_a(key, "RSA");
    case Family::rsaPSS:
        return crypto().EVP_PKEY_is_a(key, "RSA") || crypto().EVP_PKEY_is_a(key, "RSA-PSS");
    case Family::ecdsa:
        return crypto().EVP_PKEY_is_a(key, "EC") && groupName(key) == algorithm.keyGroup;
    case Family::edwards:
        if (algorithm.keyGroup) return crypto().EVP_PKEY_is_a(key, algorithm.keyGroup);
        return crypto().EVP_PKEY_is_a(key, "ED25519") || crypto().EVP_PKEY_is_a(key, "ED448");
    case Family::hmac:
        break;
    }
    return false;
}

bool macMatches(const Algorithm& algorithm, const KeyEntry& key, std::string_view input,
                std::string_view signature) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> mac{};
    std::size_t length = 0;
    if (!crypto().EVP_Q_mac(nullptr, "HMAC", nullptr, algorithm.digest, nullptr, key.secret.data(),
                            key.secret.size(), bytesOf(input), input.size(), mac.data(), mac.size(), &length))
        return false;
    return signature.size() == length && crypto().CRYPTO_memcmp(mac.data(), signature.data(), length) == 0;
}

bool configurePadding(const Algorithm& algorithm, EVP_PKEY_CTX* context) {
    if (algorithm.family == Family::rsa)
        return crypto().EVP_PKEY_CTX_set_rsa_padding(context, RSA_PKCS1_PADDING) == 1;
    if (algorithm.family != Family::rsaPSS) return true;
    // The salt is as long as the digest and the mask uses the same digest, as JWS requires.
    return crypto().EVP_PKEY_CTX_set_rsa_padding(context, RSA_PKCS1_PSS_PADDING) == 1 &&
           crypto().EVP_PKEY_CTX_set_rsa_pss_saltlen(context, RSA_PSS_SALTLEN_DIGEST) == 1 &&
           crypto().EVP_PKEY_CTX_set_rsa_mgf1_md_name(context, algorithm.digest, nullptr) == 1;
}

bool signatureVerifies(const Algorithm& algorithm, EVP_PKEY* key, std::string_view input,
                       std::string_view signature) {
    DigestContext digest(crypto().EVP_MD_CTX_new());
    EVP_PKEY_CTX* context = nullptr;
    return digest &&
           crypto().EVP_DigestVerifyInit_ex(digest.get(), &context, algorithm.digest, nullptr, nullptr, key,
                                            nullptr) == 1 &&
           configurePadding(algorithm, context) &&
           crypto().EVP_DigestVerify(digest.get(), bytesOf(signature), signature.size(), bytesOf(input),
                                     input.size()) == 1;
}

// A JWS carries r and s as two big-endian numbers of the curve's width; OpenSSL wants them in DER.
std::optional<std::string> derFromRaw(std::string_view raw, std::size_t width) {
    if (raw.size() != 2 * width) return std::nullopt;
    Number r(crypto().BN_bin2bn(bytesOf(raw), static_cast<int>(width), nullptr));
    Number s(crypto().BN_bin2bn(bytesOf(raw) + width, static_cast<int>(width), nullptr));
    ECDSASignature pair(crypto().ECDSA_SIG_new());
    if (!r || !s || !pair || crypto().ECDSA_SIG_set0(pair.get(), r.get(), s.get()) != 1) return std::nullopt;
    (void)r.release(); // the pair owns both numbers now
    (void)s.release();
    unsigned char* der = nullptr;
    int length = crypto().i2d_ECDSA_SIG(pair.get(), &der);
    if (length <= 0) return std::nullopt;
    std::string bytes(reinterpret_cast<char*>(der), static_cast<std::size_t>(length));
    crypto().CRYPTO_free(der, __FILE__, __LINE__);
    return bytes;
}

bool checks(const Algorithm& algorithm, const KeyEntry& key, std::string_view input,
            std::string_view signature) {
    if (algorithm.family == Family::hmac) return macMatches(algorithm, key, input, signature);
    if (algorithm.family != Family::ecdsa)
        return signatureVerifies(algorithm, key.publicKey.get(), input, signature);
    std::optional<std::string> der = derFromRaw(signature, algorithm.fieldBytes);
    return der && signatureVerifies(algorithm, key.publicKey.get(), input, *der);
}

} // namespace

const Algorithm* find(std::string_view name) {
    for (const Algorithm& algorithm : algorithms)
        if (algorithm.name == name) return &algorithm;
    return nullptr;
}

bool canCheck(const Algorithm& algorithm, const KeyEntry& key) {
    if (!key.alg.empty() && key.alg != algorithm.name) return false;
    if (!key.use.empty() && key.use != "sig") return false;
    if (algorithm.family == Family::hmac) return !key.publicKey && !key.secret.empty();
    return key.publicKey && publicKeyFits(algorithm, key.publicKey.get());
}

bool verifies(const Algorithm& algorithm, const KeyEntry& key, std::string_view signingInput,
              std::string_view signature) {
    if (!canCheck(algorithm, key) || !CryptoLibrary::installed()) return false;
    bool verified = checks(algorithm, key, signingInput, signature);
    // A failed check leaves errors on this thread's queue; they say nothing the answer does not.
    crypto().ERR_clear_error();
    return verified;
}

} // namespace tindrel::SignatureAlgorithms
