#pragma once

#include "TindrelCore/formats/DER.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The few facts of an X.509 certificate a developer asks about first, read by position from the DER.
// No general ASN.1 decoding and no signature or chain validation.
namespace tindrel::X509 {

struct CertificateFacts {
    std::optional<std::string> subjectCN;
    std::optional<std::string> issuerCN;
    std::optional<double> notBefore; // seconds since 1970, UTC
    std::optional<double> notAfter;
    std::vector<std::string> sanDNS; // stored order

    bool operator==(const CertificateFacts&) const = default;
};

// Nothing unless the bytes start with a Certificate SEQUENCE whose TBSCertificate reaches the subject.
std::optional<CertificateFacts> parse(std::string_view der);

// Where a certificate's names and key lie, found by the same walk as parse.
struct Layout {
    DER::Range issuer;                              // the whole Name element, tag and length included
    DER::Range subject;                             // the same
    std::optional<DER::Range> subjectPublicKeyInfo; // its contents
};
std::optional<Layout> layout(std::string_view der);

// The key's algorithm as libcrypto names it ("RSA", "RSA-PSS", "EC P-256", "ED25519", "DSA") and its
// size in bits where the algorithm has one to tell.
struct PublicKey {
    std::string type;
    std::optional<int> bits;

    bool operator==(const PublicKey&) const = default;
};
// Read from the contents of a SubjectPublicKeyInfo; nothing for an algorithm not listed above.
std::optional<PublicKey> publicKey(std::string_view buffer, DER::Range subjectPublicKeyInfo);

// The first common name in the Name whose content is `name`. The first one found decides: when its
// value cannot be read as text there is no name.
std::optional<std::string> commonName(std::string_view buffer, DER::Range name);

// A UTCTime (0x17) or GeneralizedTime (0x18), read leniently: out-of-range fields roll over, anything
// after the seconds is ignored.
std::optional<double> parseTime(std::string_view buffer, const DER::Node& time);

// The dNSName entries of the first subject-alternative-name extension, in stored order.
std::vector<std::string> subjectAltDNSNames(std::string_view buffer, DER::Range tbsCertificate);

} // namespace tindrel::X509
