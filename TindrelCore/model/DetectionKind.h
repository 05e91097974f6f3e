#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tindrel {

// The closed list of artifact and encoding kinds. The raw value of each case is
// its name; it is what exports and the history store.
enum class DetectionKind {
    base64,
    base64url,
    base32,
    base58,
    url,
    json,
    jwt,
    unixTimestamp,
    uuid,
    hex,
    gzip,
    zlib,
    pem,
    queryString,
    htmlEntities,
    unicodeEscape,
    plist,
    hash,
    xml,
    yaml,
};

namespace detection_kind {

inline constexpr std::array<DetectionKind, 20> allCases = {
    DetectionKind::base64,        DetectionKind::base64url,     DetectionKind::base32,
    DetectionKind::base58,        DetectionKind::url,           DetectionKind::json,
    DetectionKind::jwt,           DetectionKind::unixTimestamp, DetectionKind::uuid,
    DetectionKind::hex,           DetectionKind::gzip,          DetectionKind::zlib,
    DetectionKind::pem,           DetectionKind::queryString,   DetectionKind::htmlEntities,
    DetectionKind::unicodeEscape, DetectionKind::plist,         DetectionKind::hash,
    DetectionKind::xml,           DetectionKind::yaml,
};

std::string_view rawValue(DetectionKind kind);

// Case-sensitive: "Base64" is not a kind.
std::optional<DetectionKind> fromRawValue(std::string_view raw);

// The name the user interface shows ("Certificate" for pem, "Timestamp" for unixTimestamp, …).
std::string_view displayName(DetectionKind kind);

} // namespace detection_kind
} // namespace tindrel
