#pragma once

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/ec.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/param_build.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

// The libcrypto functions that read keys and certificates and check signatures.
// clang-format off
#define TINDREL_CRYPTO_FUNCTIONS(X) \
    X(BIO_free) \
    X(BIO_new_mem_buf) \
    X(BN_bin2bn) \
    X(BN_free) \
    X(CRYPTO_free) \
    X(CRYPTO_memcmp) \
    X(d2i_AutoPrivateKey) \
    X(d2i_PUBKEY) \
    X(d2i_PublicKey) \
    X(d2i_X509) \
    X(d2i_X509_NAME) \
    X(EC_curve_nid2nist) \
    X(ECDSA_SIG_free) \
    X(ECDSA_SIG_new) \
    X(ECDSA_SIG_set0) \
    X(ERR_clear_error) \
    X(EVP_Digest) \
    X(EVP_DigestVerify) \
    X(EVP_DigestVerifyInit_ex) \
    X(EVP_MD_CTX_free) \
    X(EVP_MD_CTX_new) \
    X(EVP_PKEY_CTX_free) \
    X(EVP_PKEY_CTX_new_from_name) \
    X(EVP_PKEY_CTX_new_from_pkey) \
    X(EVP_PKEY_CTX_set_rsa_mgf1_md_name) \
    X(EVP_PKEY_CTX_set_rsa_padding) \
    X(EVP_PKEY_CTX_set_rsa_pss_saltlen) \
    X(EVP_PKEY_free) \
    X(EVP_PKEY_fromdata) \
    X(EVP_PKEY_fromdata_init) \
    X(EVP_PKEY_get0_type_name) \
    X(EVP_PKEY_get_base_id) \
    X(EVP_PKEY_get_bits) \
    X(EVP_PKEY_get_group_name) \
    X(EVP_PKEY_get_utf8_string_param) \
    X(EVP_PKEY_is_a) \
    X(EVP_PKEY_new_raw_public_key_ex) \
    X(EVP_PKEY_public_check) \
    X(EVP_Q_mac) \
    X(EVP_sha256) \
    X(i2d_ECDSA_SIG) \
    X(OBJ_nid2sn) \
    X(OBJ_sn2nid) \
    X(OSSL_PARAM_BLD_free) \
    X(OSSL_PARAM_BLD_new) \
    X(OSSL_PARAM_BLD_push_BN) \
    X(OSSL_PARAM_BLD_to_param) \
    X(OSSL_PARAM_construct_end) \
    X(OSSL_PARAM_construct_octet_string) \
    X(OSSL_PARAM_construct_utf8_string) \
    X(OSSL_PARAM_free) \
    X(PEM_read_bio) \
    X(X509_free) \
    X(X509_get0_pubkey) \
    X(X509_get_pubkey) \
    X(X509_NAME_cmp) \
    X(X509_NAME_free) \
    X(X509_verify)
// clang-format on

namespace tindrel {

// libcrypto, looked up when a key or certificate is first read. Linking it would have every
// command map and relocate it at start, which costs more than all the rest of a short inspection.
// The members carry the names of the functions they point to.
struct CryptoLibrary {
// The name declares a member: it cannot stand in parentheses.
#define TINDREL_CRYPTO_MEMBER(name) decltype(&::name) name; // NOLINT(bugprone-macro-parentheses)
    TINDREL_CRYPTO_FUNCTIONS(TINDREL_CRYPTO_MEMBER)
#undef TINDREL_CRYPTO_MEMBER

    // The system's libcrypto, loaded once whichever thread asks first; null when it cannot be
    // opened or lacks one of the functions, in which case no key or certificate is read and no
    // signature checked. A loaded library stays loaded for the life of the process.
    static const CryptoLibrary* installed();
};

// The loaded library, for code that only runs once `installed()` answered one.
inline const CryptoLibrary& crypto() {
    return *CryptoLibrary::installed();
}

// Hands a libcrypto object back to its own free function.
template <auto CryptoLibrary::*release> struct CryptoReleaser {
    template <typename T> void operator()(T* object) const { (crypto().*release)(object); }
};

} // namespace tindrel
