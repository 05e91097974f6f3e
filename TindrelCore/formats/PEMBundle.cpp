#include "TindrelCore/formats/PEMBundle.h"

#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <openssl/ec.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/x509.h>

namespace tindrel::PEMBundle {
namespace {

struct CertificateFree {
    void operator()(::X509* certificate) const { X509_free(certificate); }
};
struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using CertificatePointer = std::unique_ptr<::X509, CertificateFree>;
using KeyPointer = std::unique_ptr<EVP_PKEY, KeyFree>;

constexpr double secondsPerDay = 86400;

bool isCertificateLabel(std::string_view label) {
    return label.find("CERTIFICATE") != std::string_view::npos &&
           label.find("REQUEST") == std::string_view::npos;
}

bool isPrivateKeyLabel(std::string_view label) {
    return label.ends_with("PRIVATE KEY") && label.find("ENCRYPTED") == std::string_view::npos;
}

const unsigned char* bytesOf(std::string_view der) {
    return reinterpret_cast<const unsigned char*>(der.data());
}

long lengthOf(std::string_view der) {
    return static_cast<long>(std::min<std::size_t>(der.size(), LONG_MAX));
}

CertificatePointer certificateFromDER(std::string_view der) {
    const unsigned char* p = bytesOf(der);
    return CertificatePointer(d2i_X509(nullptr, &p, lengthOf(der)));
}

KeyPointer keyFromDER(std::string_view label, std::string_view der) {
    const unsigned char* p = bytesOf(der);
    if (isPrivateKeyLabel(label)) return KeyPointer(d2i_AutoPrivateKey(nullptr, &p, lengthOf(der)));
    if (label == "PUBLIC KEY") return KeyPointer(d2i_PUBKEY(nullptr, &p, lengthOf(der)));
    if (label == "RSA PUBLIC KEY") return KeyPointer(d2i_PublicKey(EVP_PKEY_RSA, nullptr, &p, lengthOf(der)));
    return nullptr;
}

// "P-256" for the NIST curves, the curve's own name otherwise.
std::string curveName(const EVP_PKEY* key) {
    char group[80] = {};
    std::size_t length = 0;
    if (EVP_PKEY_get_group_name(key, group, sizeof group, &length) != 1) return {};
    const char* nist = EC_curve_nid2nist(OBJ_sn2nid(group));
    return nist ? nist : std::string(group, length);
}

std::optional<Key> keyFacts(const EVP_PKEY* key) {
    if (!key) return std::nullopt;
    const char* name = EVP_PKEY_get0_type_name(key);
    Key facts{name ? name : OBJ_nid2sn(EVP_PKEY_get_base_id(key)), std::nullopt};
    if (EVP_PKEY_get_base_id(key) == EVP_PKEY_EC)
        if (std::string curve = curveName(key); !curve.empty()) facts.type += " " + curve;
    if (int bits = EVP_PKEY_get_bits(key); bits > 0) facts.bits = bits;
    return facts;
}

std::string sha256Fingerprint(std::string_view der) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(der.data(), der.size(), digest, &length, EVP_sha256(), nullptr) != 1) return {};
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        if (i > 0) text += ':';
        text += digits[digest[i] >> 4];
        text += digits[digest[i] & 0xF];
    }
    return text;
}

std::optional<std::int64_t> wholeDays(double seconds) {
    const double days = std::trunc(seconds / secondsPerDay);
    if (!std::isfinite(days) || std::abs(days) > 1e15) return std::nullopt;
    return static_cast<std::int64_t>(days);
}

Certificate certificateFacts(X509::CertificateFacts facts, const ::X509* parsed, std::string_view der,
                             double now) {
    Certificate certificate;
    if (facts.notAfter) {
        certificate.expired = *facts.notAfter < now;
        certificate.daysLeft = wholeDays(*facts.notAfter - now);
    }
    certificate.notYetValid = facts.notBefore && *facts.notBefore > now;
    certificate.facts = std::move(facts);
    if (parsed) certificate.key = keyFacts(X509_get0_pubkey(parsed));
    certificate.sha256 = sha256Fingerprint(der);
    return certificate;
}

LinkStatus linkStatus(::X509* issued, ::X509* issuer) {
    if (!issued || !issuer) return LinkStatus::unchecked;
    if (X509_NAME_cmp(X509_get_issuer_name(issued), X509_get_subject_name(issuer)) != 0)
        return LinkStatus::nameMismatch;
    EVP_PKEY* key = X509_get0_pubkey(issuer);
    if (!key) return LinkStatus::unchecked;
    return X509_verify(issued, key) == 1 ? LinkStatus::linked : LinkStatus::signatureMismatch;
}

// The blocks read so far, with libcrypto's reading of each certificate kept for the links.
struct Reading {
    Bundle bundle;
    std::vector<std::pair<std::size_t, CertificatePointer>> certificates;
};

void addBlock(Reading& reading, const PEMBlock& block, double now) {
    std::optional<Bytes::Buffer> der = Bytes::base64Decode(block.body);
    if (!der || der->empty()) return;
    Block entry{block.label, der->size(), std::nullopt, std::nullopt};
    if (isCertificateLabel(block.label)) {
        if (auto facts = X509::parse(*der)) {
            CertificatePointer parsed = certificateFromDER(*der);
            entry.certificate = certificateFacts(std::move(*facts), parsed.get(), *der, now);
            reading.certificates.emplace_back(reading.bundle.blocks.size(), std::move(parsed));
        }
    } else {
        entry.key = keyFacts(keyFromDER(block.label, *der).get());
    }
    reading.bundle.blocks.push_back(std::move(entry));
}

void addLinks(Reading& reading) {
    for (std::size_t i = 0; i + 1 < reading.certificates.size(); ++i) {
        auto& [issued, issuedCertificate] = reading.certificates[i];
        auto& [issuer, issuerCertificate] = reading.certificates[i + 1];
        reading.bundle.links.push_back(
            {issued, issuer, linkStatus(issuedCertificate.get(), issuerCertificate.get())});
    }
}

std::optional<std::size_t> earliestExpiry(const std::vector<Block>& blocks) {
    std::optional<std::size_t> earliest;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const std::optional<Certificate>& certificate = blocks[i].certificate;
        if (!certificate || !certificate->facts.notAfter) continue;
        if (!earliest || *certificate->facts.notAfter < *blocks[*earliest].certificate->facts.notAfter)
            earliest = i;
    }
    return earliest;
}

} // namespace

std::size_t Bundle::certificateCount() const {
    return static_cast<std::size_t>(
        std::count_if(blocks.begin(), blocks.end(), [](const Block& block) { return block.certificate; }));
}

Bundle read(std::string_view text) {
    PEMBlocks found = allPEMBlocks(text, maxBlocks);
    const double now = Clock::now();
    Reading reading;
    for (const PEMBlock& block : found.blocks)
        addBlock(reading, block, now);
    addLinks(reading);
    // libcrypto queues an error for every refusal; none of them is anyone's business past here.
    ERR_clear_error();
    reading.bundle.expiresFirst = earliestExpiry(reading.bundle.blocks);
    reading.bundle.complete = found.complete;
    return std::move(reading.bundle);
}

} // namespace tindrel::PEMBundle
