#include "TindrelCore/formats/X509.h"

namespace tindrel::X509 {
namespace {

using namespace std::string_view_literals; // object identifiers can hold zero bytes

constexpr std::uint8_t sequenceTag = 0x30;
constexpr std::uint8_t integerTag = 0x02;
constexpr std::uint8_t bitStringTag = 0x03;
constexpr std::uint8_t objectIdentifierTag = 0x06;

constexpr std::string_view rsaOID = "\x2A\x86\x48\x86\xF7\x0D\x01\x01\x01"sv;
constexpr std::string_view rsaPSSOID = "\x2A\x86\x48\x86\xF7\x0D\x01\x01\x0A"sv;
constexpr std::string_view ecOID = "\x2A\x86\x48\xCE\x3D\x02\x01"sv;
constexpr std::string_view dsaOID = "\x2A\x86\x48\xCE\x38\x04\x01"sv;
constexpr std::string_view ed25519OID = "\x2B\x65\x70"sv;
constexpr std::string_view ed448OID = "\x2B\x65\x71"sv;

struct Curve {
    std::string_view oid;
    const char* name;
    int bits;
};

// The named curves certificates use, by the names libcrypto gives them.
constexpr Curve curves[] = {
    {"\x2A\x86\x48\xCE\x3D\x03\x01\x07"sv, "P-256", 256},
    {"\x2B\x81\x04\x00\x22"sv, "P-384", 384},
    {"\x2B\x81\x04\x00\x23"sv, "P-521", 521},
    {"\x2B\x81\x04\x00\x21"sv, "P-224", 224},
    {"\x2A\x86\x48\xCE\x3D\x03\x01\x01"sv, "P-192", 192},
};

// The bit length of a non-negative big-endian INTEGER's contents.
std::optional<int> integerBits(std::string_view bytes) {
    std::size_t first = 0;
    while (first < bytes.size() && bytes[first] == '\0')
        ++first;
    if (first == bytes.size() || bytes.size() - first > 65536) return std::nullopt;
    int bits = static_cast<int>(bytes.size() - first - 1) * 8;
    for (auto lead = static_cast<std::uint8_t>(bytes[first]); lead != 0; lead >>= 1)
        ++bits;
    return bits;
}

// The first INTEGER inside the SEQUENCE at `start`: an RSA modulus or a DSA prime.
std::optional<int> firstIntegerBits(std::string_view buffer, std::int64_t start) {
    std::optional<DER::Element> sequence = DER::read(buffer, start);
    if (!sequence || sequence->node.tag != sequenceTag) return std::nullopt;
    std::vector<DER::Node> numbers = DER::children(buffer, sequence->node.content);
    if (numbers.empty() || numbers.front().tag != integerTag) return std::nullopt;
    return integerBits(DER::contentOf(buffer, numbers.front()));
}

// The RSAPublicKey follows the BIT STRING's count of unused bits.
std::optional<int> rsaBits(std::string_view buffer, const DER::Node& bitString) {
    if (bitString.tag != bitStringTag) return std::nullopt;
    return firstIntegerBits(buffer, bitString.content.lower + 1);
}

PublicKey ecKey(std::string_view buffer, const std::vector<DER::Node>& algorithm) {
    if (algorithm.size() < 2 || algorithm[1].tag != objectIdentifierTag) return {"EC", std::nullopt};
    std::string_view oid = DER::contentOf(buffer, algorithm[1]);
    for (const Curve& curve : curves)
        if (curve.oid == oid) return {std::string("EC ") + curve.name, curve.bits};
    return {"EC", std::nullopt};
}

} // namespace

std::optional<PublicKey> publicKey(std::string_view buffer, DER::Range subjectPublicKeyInfo) {
    std::vector<DER::Node> parts = DER::children(buffer, subjectPublicKeyInfo);
    if (parts.size() < 2 || parts[0].tag != sequenceTag) return std::nullopt;
    std::vector<DER::Node> algorithm = DER::children(buffer, parts[0].content);
    if (algorithm.empty() || algorithm[0].tag != objectIdentifierTag) return std::nullopt;
    std::string_view oid = DER::contentOf(buffer, algorithm[0]);
    if (oid == rsaOID) return PublicKey{"RSA", rsaBits(buffer, parts[1])};
    if (oid == rsaPSSOID) return PublicKey{"RSA-PSS", rsaBits(buffer, parts[1])};
    if (oid == ecOID) return ecKey(buffer, algorithm);
    // The parameters (p, q, g) follow the identifier; the key's size is that of p.
    if (oid == dsaOID)
        return PublicKey{"DSA", algorithm.size() < 2 ? std::nullopt
                                                     : firstIntegerBits(buffer, algorithm[0].content.upper)};
    if (oid == ed25519OID) return PublicKey{"ED25519", std::nullopt};
    if (oid == ed448OID) return PublicKey{"ED448", std::nullopt};
    return std::nullopt;
}

} // namespace tindrel::X509
