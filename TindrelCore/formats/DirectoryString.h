#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel::DirectoryString {

inline constexpr std::uint8_t universalStringTag = 0x1C;
inline constexpr std::uint8_t bmpStringTag = 0x1E;

// The text of a string value in a certificate name. BMPString is UTF-16BE and UniversalString is
// UTF-32BE; every other string type is taken as UTF-8. Nothing when the bytes do not fit the encoding.
std::optional<std::string> decode(std::uint8_t tag, std::string_view content);

} // namespace tindrel::DirectoryString
