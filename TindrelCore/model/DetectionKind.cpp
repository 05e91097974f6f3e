#include "TindrelCore/model/DetectionKind.h"

namespace tindrel::detection_kind {
namespace {

struct KindNames {
    std::string_view raw;
    std::string_view display;
};

// Indexed by the enumeration's declaration order.
constexpr std::array<KindNames, allCases.size()> names = {{
    {"base64", "Base64"},
    {"base64url", "Base64URL"},
    {"base32", "Base32"},
    {"base58", "Base58"},
    {"url", "URL"},
    {"json", "JSON"},
    {"jwt", "JWT"},
    {"unixTimestamp", "Timestamp"},
    {"uuid", "UUID"},
    {"hex", "Hex"},
    {"gzip", "Gzip"},
    {"zlib", "Zlib"},
    {"pem", "Certificate"},
    {"queryString", "Query string"},
    {"htmlEntities", "HTML entities"},
    {"unicodeEscape", "Unicode escapes"},
    {"plist", "Property list"},
    {"hash", "Hash"},
    {"xml", "XML"},
    {"yaml", "YAML"},
}};

} // namespace

std::string_view rawValue(DetectionKind kind) {
    return names[static_cast<std::size_t>(kind)].raw;
}

std::string_view displayName(DetectionKind kind) {
    return names[static_cast<std::size_t>(kind)].display;
}

std::optional<DetectionKind> fromRawValue(std::string_view raw) {
    for (DetectionKind kind : allCases)
        if (rawValue(kind) == raw) return kind;
    return std::nullopt;
}

} // namespace tindrel::detection_kind
