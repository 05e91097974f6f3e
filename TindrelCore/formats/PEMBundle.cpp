#include "TindrelCore/formats/PEMBundle.h"

#include "TindrelCore/formats/CryptoLibrary.h"
#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace tindrel::PEMBundle {
namespace {

struct CertificateFree {
    void operator()(::X509* certificate) const { crypto().X509_free(certificate); }
};
struct NameFree {
    void operator()(X509_NAME* name) const { crypto().X509_NAME_free(name); }
};
struct KeyFree {
    void operator()(EVP_PKEY* key) const { crypto().EVP_PKEY_free(key); }
};
using CertificatePointer = std::unique_ptr<::X509, CertificateFree>;
using NamePointer = std::unique_ptr<X509_NAME, NameFree>;
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

std::string_view slice(std::string_view der, DER::Range range) {
    return der.substr(std::size_t(range.lower), std::size_t(range.upper - range.lower));
}

KeyPointer keyFromDER(std::string_view label, std::string_view der) {
    const unsigned char* p = bytesOf(der);
    if (isPrivateKeyLabel(label)) return KeyPointer(crypto().d2i_AutoPrivateKey(nullptr, &p, lengthOf(der)));
    if (label == "PUBLIC KEY") return KeyPointer(crypto().d2i_PUBKEY(nullptr, &p, lengthOf(der)));
    if (label == "RSA PUBLIC KEY")
        return KeyPointer(crypto().d2i_PublicKey(EVP_PKEY_RSA, nullptr, &p, lengthOf(der)));
    return nullptr;
}

// "P-256" for the NIST curves, the curve's own name otherwise.
std::string curveName(const EVP_PKEY* key) {
    char group[80] = {};
    std::size_t length = 0;
    if (crypto().EVP_PKEY_get_group_name(key, group, sizeof group, &length) != 1) return {};
    const char* nist = crypto().EC_curve_nid2nist(crypto().OBJ_sn2nid(group));
    return nist ? nist : std::string(group, length);
}

// A key block's algorithm and size, named as X509::publicKey names a certificate's key.
std::optional<Key> keyFacts(const EVP_PKEY* key) {
    if (!key) return std::nullopt;
    const char* name = crypto().EVP_PKEY_get0_type_name(key);
    Key facts{name ? name : crypto().OBJ_nid2sn(crypto().EVP_PKEY_get_base_id(key)), std::nullopt};
    const int id = crypto().EVP_PKEY_get_base_id(key);
    if (id == EVP_PKEY_EC)
        if (std::string curve = curveName(key); !curve.empty()) facts.type += " " + curve;
    if (int bits = crypto().EVP_PKEY_get_bits(key);
        bits > 0 && id != EVP_PKEY_ED25519 && id != EVP_PKEY_ED448)
        facts.bits = bits;
    return facts;
}

std::string sha256Fingerprint(std::string_view der) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (crypto().EVP_Digest(der.data(), der.size(), digest, &length, crypto().EVP_sha256(), nullptr) != 1)
        return {};
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

// A certificate of the bundle as the links need it. libcrypto's reading of a whole certificate is
// slow (it decodes the key), so it is made only for a pair whose names match.
struct Member {
    std::size_t block;
    std::string der;
    std::optional<X509::Layout> layout;
    CertificatePointer parsed;
    bool parseTried = false;

    ::X509* certificate() {
        if (!parseTried) {
            const unsigned char* p = bytesOf(der);
            parsed.reset(crypto().d2i_X509(nullptr, &p, lengthOf(der)));
            parseTried = true;
        }
        return parsed.get();
    }
};

Certificate certificateFacts(X509::CertificateFacts facts, const Member& member, double now) {
    Certificate certificate;
    if (facts.notAfter) {
        certificate.expired = *facts.notAfter < now;
        certificate.daysLeft = wholeDays(*facts.notAfter - now);
    }
    certificate.notYetValid = facts.notBefore && *facts.notBefore > now;
    certificate.facts = std::move(facts);
    if (member.layout && member.layout->subjectPublicKeyInfo)
        certificate.key = X509::publicKey(member.der, *member.layout->subjectPublicKeyInfo);
    certificate.sha256 = sha256Fingerprint(member.der);
    return certificate;
}

NamePointer nameFromDER(std::string_view der) {
    const unsigned char* p = bytesOf(der);
    return NamePointer(crypto().d2i_X509_NAME(nullptr, &p, lengthOf(der)));
}

// Equal names may be written differently (string types, case, spaces): libcrypto compares them in
// their canonical form when the bytes differ.
std::optional<bool> namesMatch(const Member& issued, const Member& issuer) {
    if (!issued.layout || !issuer.layout) return std::nullopt;
    std::string_view issuerName = slice(issued.der, issued.layout->issuer);
    std::string_view subjectName = slice(issuer.der, issuer.layout->subject);
    if (issuerName == subjectName) return true;
    NamePointer left = nameFromDER(issuerName);
    NamePointer right = nameFromDER(subjectName);
    if (!left || !right) return std::nullopt;
    return crypto().X509_NAME_cmp(left.get(), right.get()) == 0;
}

LinkStatus linkStatus(Member& issued, Member& issuer) {
    std::optional<bool> names = namesMatch(issued, issuer);
    if (!names) return LinkStatus::unchecked;
    if (!*names) return LinkStatus::nameMismatch;
    ::X509* signer = issuer.certificate();
    EVP_PKEY* key = signer ? crypto().X509_get0_pubkey(signer) : nullptr;
    if (!key || !issued.certificate()) return LinkStatus::unchecked;
    return crypto().X509_verify(issued.certificate(), key) == 1 ? LinkStatus::linked
                                                                : LinkStatus::signatureMismatch;
}

struct Reading {
    Bundle bundle;
    std::vector<Member> certificates;
};

void addBlock(Reading& reading, const PEMBlock& block, double now) {
    std::optional<Bytes::Buffer> der = Bytes::base64Decode(block.body);
    if (!der || der->empty()) return;
    Block entry{block.label, der->size(), std::nullopt, std::nullopt};
    if (isCertificateLabel(block.label)) {
        if (auto facts = X509::parse(*der)) {
            Member member{reading.bundle.blocks.size(), std::move(*der), std::nullopt, nullptr};
            member.layout = X509::layout(member.der);
            entry.certificate = certificateFacts(std::move(*facts), member, now);
            reading.certificates.push_back(std::move(member));
        }
    } else {
        entry.key = keyFacts(keyFromDER(block.label, *der).get());
    }
    reading.bundle.blocks.push_back(std::move(entry));
}

void addLinks(Reading& reading) {
    for (std::size_t i = 0; i + 1 < reading.certificates.size(); ++i) {
        Member& issued = reading.certificates[i];
        Member& issuer = reading.certificates[i + 1];
        reading.bundle.links.push_back({issued.block, issuer.block, linkStatus(issued, issuer)});
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

// Without libcrypto no block can be read in full, and none is shown half-read.
Bundle read(std::string_view text) {
    if (!CryptoLibrary::installed()) return {};
    PEMBlocks found = allPEMBlocks(text, maxBlocks);
    const double now = Clock::now();
    Reading reading;
    for (const PEMBlock& block : found.blocks)
        addBlock(reading, block, now);
    addLinks(reading);
    // libcrypto queues an error for every refusal; none of them is anyone's business past here.
    crypto().ERR_clear_error();
    reading.bundle.expiresFirst = earliestExpiry(reading.bundle.blocks);
    reading.bundle.complete = found.complete;
    return std::move(reading.bundle);
}

} // namespace tindrel::PEMBundle
