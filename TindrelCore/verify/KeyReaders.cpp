#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/verify/KeyMaterial.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <openssl/x509.h>

namespace tindrel {

namespace {

// Stays in the program however dead the bytes look to the optimiser.
template <typename Bytes> void wipe(Bytes& bytes) {
    if (!bytes.empty()) explicit_bzero(bytes.data(), bytes.size());
}

} // namespace

KeyEntry::~KeyEntry() {
    wipe(secret);
}

namespace KeyReaders {
namespace {

using Bio = std::unique_ptr<BIO, CryptoReleaser<&CryptoLibrary::BIO_free>>;
using Certificate = std::unique_ptr<X509, CryptoReleaser<&CryptoLibrary::X509_free>>;
using Context = std::unique_ptr<EVP_PKEY_CTX, CryptoReleaser<&CryptoLibrary::EVP_PKEY_CTX_free>>;
using Number = std::unique_ptr<BIGNUM, CryptoReleaser<&CryptoLibrary::BN_free>>;
using ParamBuilder = std::unique_ptr<OSSL_PARAM_BLD, CryptoReleaser<&CryptoLibrary::OSSL_PARAM_BLD_free>>;
using Params = std::unique_ptr<OSSL_PARAM, CryptoReleaser<&CryptoLibrary::OSSL_PARAM_free>>;

const unsigned char* bytesOf(std::string_view bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

// d2i readers must use up the whole input: trailing bytes mean it was not that structure.
PublicKey wholePublicKey(std::string_view der) {
    const unsigned char* cursor = bytesOf(der);
    PublicKey key(crypto().d2i_PUBKEY(nullptr, &cursor, static_cast<long>(der.size())));
    return cursor == bytesOf(der) + der.size() ? std::move(key) : nullptr;
}

PublicKey certificateKey(std::string_view der) {
    const unsigned char* cursor = bytesOf(der);
    Certificate certificate(crypto().d2i_X509(nullptr, &cursor, static_cast<long>(der.size())));
    if (!certificate || cursor != bytesOf(der) + der.size()) return nullptr;
    return PublicKey(crypto().X509_get_pubkey(certificate.get()));
}

PublicKey pkcs1RSAKey(std::string_view der) {
    const unsigned char* cursor = bytesOf(der);
    return PublicKey(crypto().d2i_PublicKey(EVP_PKEY_RSA, nullptr, &cursor, static_cast<long>(der.size())));
}

PublicKey pemBlockKey(std::string_view name, std::string_view der) {
    if (name == "PUBLIC KEY") return wholePublicKey(der);
    if (name == "CERTIFICATE") return certificateKey(der);
    if (name == "RSA PUBLIC KEY") return pkcs1RSAKey(der);
    return nullptr;
}

KeyEntry publicEntry(PublicKey key) {
    KeyEntry entry;
    entry.publicKey = std::move(key);
    return entry;
}

std::optional<std::string> textMember(const nlohmann::json& jwk, const char* name) {
    auto it = jwk.find(name);
    if (it == jwk.end() || !it->is_string()) return std::nullopt;
    return it->get<std::string>();
}

std::optional<Bytes::Buffer> bytesMember(const nlohmann::json& jwk, const char* name) {
    std::optional<std::string> text = textMember(jwk, name);
    if (!text || text->empty()) return std::nullopt;
    return Bytes::base64URLDecode(*text);
}

PublicKey fromParams(const char* type, const OSSL_PARAM* params) {
    Context context(crypto().EVP_PKEY_CTX_new_from_name(nullptr, type, nullptr));
    EVP_PKEY* key = nullptr;
    if (!context || crypto().EVP_PKEY_fromdata_init(context.get()) != 1 ||
        crypto().EVP_PKEY_fromdata(context.get(), &key, EVP_PKEY_PUBLIC_KEY,
                                   const_cast<OSSL_PARAM*>(params)) != 1)
        return nullptr;
    return PublicKey(key);
}

Number number(const Bytes::Buffer& bigEndian) {
    return Number(crypto().BN_bin2bn(bytesOf(bigEndian), static_cast<int>(bigEndian.size()), nullptr));
}

PublicKey rsaKey(const nlohmann::json& jwk) {
    std::optional<Bytes::Buffer> modulus = bytesMember(jwk, "n"), exponent = bytesMember(jwk, "e");
    if (!modulus || !exponent) return nullptr;
    Number n = number(*modulus), e = number(*exponent);
    ParamBuilder builder(crypto().OSSL_PARAM_BLD_new());
    if (!n || !e || !builder ||
        crypto().OSSL_PARAM_BLD_push_BN(builder.get(), OSSL_PKEY_PARAM_RSA_N, n.get()) != 1 ||
        crypto().OSSL_PARAM_BLD_push_BN(builder.get(), OSSL_PKEY_PARAM_RSA_E, e.get()) != 1)
        return nullptr;
    Params params(crypto().OSSL_PARAM_BLD_to_param(builder.get()));
    return params ? fromParams("RSA", params.get()) : nullptr;
}

struct Curve {
    std::string_view crv;
    const char* group;
    std::size_t fieldBytes;
};

constexpr std::array<Curve, 4> curves{{{"P-256", "prime256v1", 32},
                                       {"P-384", "secp384r1", 48},
                                       {"P-521", "secp521r1", 66},
                                       {"secp256k1", "secp256k1", 32}}};

bool onCurve(EVP_PKEY* key) {
    Context context(crypto().EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr));
    return context && crypto().EVP_PKEY_public_check(context.get()) == 1;
}

PublicKey ecKey(const nlohmann::json& jwk) {
    std::optional<std::string> crv = textMember(jwk, "crv");
    auto curve = std::find_if(curves.begin(), curves.end(), [&](const Curve& c) { return c.crv == crv; });
    std::optional<Bytes::Buffer> x = bytesMember(jwk, "x"), y = bytesMember(jwk, "y");
    if (curve == curves.end() || !x || !y || x->size() != curve->fieldBytes || y->size() != curve->fieldBytes)
        return nullptr;
    Bytes::Buffer point = "\x04" + *x + *y;
    std::string group(curve->group);
    const std::array<OSSL_PARAM, 3> params{
        crypto().OSSL_PARAM_construct_utf8_string(OSSL_PKEY_PARAM_GROUP_NAME, group.data(), 0),
        crypto().OSSL_PARAM_construct_octet_string(OSSL_PKEY_PARAM_PUB_KEY, point.data(), point.size()),
        crypto().OSSL_PARAM_construct_end()};
    PublicKey key = fromParams("EC", params.data());
    return key && onCurve(key.get()) ? std::move(key) : nullptr;
}

PublicKey edwardsKey(const nlohmann::json& jwk) {
    std::optional<std::string> crv = textMember(jwk, "crv");
    std::optional<Bytes::Buffer> x = bytesMember(jwk, "x");
    if (!x || (crv != "Ed25519" && crv != "Ed448")) return nullptr;
    return PublicKey(crypto().EVP_PKEY_new_raw_public_key_ex(nullptr, crv == "Ed25519" ? "ED25519" : "ED448",
                                                             nullptr, bytesOf(*x), x->size()));
}

bool readKeyValue(const nlohmann::json& jwk, KeyEntry& entry) {
    std::optional<std::string> kty = textMember(jwk, "kty");
    if (kty == "oct") {
        if (std::optional<Bytes::Buffer> k = bytesMember(jwk, "k")) {
            entry.secret.assign(k->begin(), k->end());
            wipe(*k);
        }
        return !entry.secret.empty();
    }
    if (kty == "RSA") entry.publicKey = rsaKey(jwk);
    if (kty == "EC") entry.publicKey = ecKey(jwk);
    if (kty == "OKP") entry.publicKey = edwardsKey(jwk);
    return entry.publicKey != nullptr;
}

} // namespace

std::vector<KeyEntry> pemEntries(std::string_view text) {
    std::vector<KeyEntry> entries;
    if (text.size() > INT_MAX || !CryptoLibrary::installed()) return entries;
    Bio bio(crypto().BIO_new_mem_buf(text.data(), static_cast<int>(text.size())));
    for (;;) {
        char* name = nullptr;
        char* header = nullptr;
        unsigned char* data = nullptr;
        long length = 0;
        if (!bio || crypto().PEM_read_bio(bio.get(), &name, &header, &data, &length) != 1) break;
        PublicKey key = pemBlockKey(
            name, std::string_view(reinterpret_cast<char*>(data), static_cast<std::size_t>(length)));
        crypto().CRYPTO_free(name, __FILE__, __LINE__);
        crypto().CRYPTO_free(header, __FILE__, __LINE__);
        crypto().CRYPTO_free(data, __FILE__, __LINE__);
        if (key) entries.push_back(publicEntry(std::move(key)));
    }
    // The reader ends on an error it queues; nothing else should ever see it.
    crypto().ERR_clear_error();
    return entries;
}

std::optional<KeyEntry> derEntry(std::string_view bytes) {
    if (!CryptoLibrary::installed()) return std::nullopt;
    PublicKey key = wholePublicKey(bytes);
    if (!key) key = certificateKey(bytes);
    crypto().ERR_clear_error();
    if (!key) return std::nullopt;
    return publicEntry(std::move(key));
}

std::optional<KeyEntry> jwkEntry(const nlohmann::json& jwk) {
    if (!jwk.is_object() || !CryptoLibrary::installed()) return std::nullopt;
    KeyEntry entry;
    bool readable = readKeyValue(jwk, entry);
    crypto().ERR_clear_error();
    if (!readable) return std::nullopt;
    entry.kid = textMember(jwk, "kid").value_or("");
    entry.alg = textMember(jwk, "alg").value_or("");
    entry.use = textMember(jwk, "use").value_or("");
    return entry;
}

} // namespace KeyReaders
} // namespace tindrel
