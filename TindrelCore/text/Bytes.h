#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tindrel::Bytes {

// Raw bytes travel in a std::string; nothing about them is assumed to be UTF-8.
using Buffer = std::string;

struct Wrapped {
    Buffer data;
    std::string wrapper; // "base64", "base64url" or "hex"
};

// Strict hexadecimal: even length, pairs of digits in either case.
std::optional<Buffer> hex(std::string_view s);

// Strict standard Base64: only the 64 characters, at most two trailing "=", a length that is a multiple of 4.
std::optional<Buffer> base64Decode(std::string_view s);
// URL-safe Base64 with or without padding ("-" and "_" for "+" and "/"); a length of 1 mod 4 fails.
std::optional<Buffer> base64URLDecode(std::string_view s);
std::string base64Encode(std::string_view bytes);

// Whole-text shape tests: [A-Za-z0-9+/]+={0,2}, [A-Za-z0-9_-]+={0,2} and [0-9a-fA-F]+.
bool isBase64Text(std::string_view s);
bool isBase64URLText(std::string_view s);
bool isHexText(std::string_view s);

// The bytes carried by a Base64, URL-safe Base64 or hex wrapper, tried in that order.
std::optional<Wrapped> fromWrapper(std::string_view s);

// Tells whether a text's first bytes are what a container begins with.
using LeadTest = bool (*)(std::string_view lead);

// False when no reading of `s` as Base64 (either alphabet) or hex, trimmed as fromWrapper trims it,
// can start with `count` bytes that `accepts` takes. Only the first characters are decoded, so a
// long text that cannot be a container is ruled out before being decoded in full. True when the
// text is too short for the Base64 reading to tell, or `count` longer than the nine bytes it looks
// at; a hex reading too short to hold `count` bytes rules itself out.
bool mayBeginWith(std::string_view s, std::size_t count, LeadTest accepts);

} // namespace tindrel::Bytes
