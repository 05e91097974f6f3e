#pragma once

#include "TindrelCore/formats/X509.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every PEM block of a text (a fullchain, a CA bundle, a key with its certificate): each block's
// label and size, the facts of each certificate, and whether consecutive certificates link.
namespace tindrel::PEMBundle {

// "RSA", "EC P-256", "ED25519", … with the size in bits where the algorithm has one.
using Key = X509::PublicKey;

struct Certificate {
    X509::CertificateFacts facts;
    bool expired = false;                 // notAfter strictly before the clock's reading
    bool notYetValid = false;             // notBefore after it
    std::optional<std::int64_t> daysLeft; // whole days until notAfter, negative a day after it
    std::optional<Key> key;               // absent when libcrypto cannot read the certificate
    std::string sha256;                   // of the DER bytes, upper-case hex pairs joined by ":"

    bool operator==(const Certificate&) const = default;
};

struct Block {
    std::string label;
    std::size_t derBytes = 0;
    std::optional<Certificate> certificate; // a certificate label whose DER reads
    std::optional<Key> key;                 // a private or public key block that libcrypto reads

    bool operator==(const Block&) const = default;
};

enum class LinkStatus {
    linked,            // the issuer name is the next subject and the next key verifies the signature
    signatureMismatch, // the names match but the next key did not make the signature
    nameMismatch,      // the issuer name is not the next subject
    unchecked,         // one of the two cannot be read in full
};

// Between a certificate and the next certificate of the bundle (blocks of other kinds are skipped).
struct Link {
    std::size_t issued; // block index
    std::size_t issuer; // block index of the next certificate
    LinkStatus status;

    bool operator==(const Link&) const = default;
};

struct Bundle {
    std::vector<Block> blocks; // text order; blocks whose body is not Base64 are left out
    std::vector<Link> links;
    std::optional<std::size_t> expiresFirst; // block index of the earliest notAfter
    bool complete = true;                    // false when the text holds more than maxBlocks

    std::size_t certificateCount() const;
};

// A log can hold any number of blocks; a bundle is read up to this many.
inline constexpr std::size_t maxBlocks = 1000;

// Reads the clock once for every expiry.
Bundle read(std::string_view text);

} // namespace tindrel::PEMBundle
