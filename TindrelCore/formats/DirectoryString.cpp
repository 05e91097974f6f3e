#include "TindrelCore/formats/DirectoryString.h"

#include "TindrelCore/text/Text.h"

namespace tindrel::DirectoryString {
namespace {

char32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    char32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

bool isSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

std::optional<std::string> fromUTF16BE(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t unit = bigEndian(bytes, i, 2);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 4 <= bytes.size()) {
            char32_t low = bigEndian(bytes, i + 2, 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (isSurrogate(unit)) return std::nullopt;
        Text::appendUTF8(text, unit);
    }
    return text;
}

std::optional<std::string> fromUTF32BE(std::string_view bytes) {
    if (bytes.size() % 4 != 0) return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        char32_t scalar = bigEndian(bytes, i, 4);
        if (scalar > 0x10FFFF || isSurrogate(scalar)) return std::nullopt;
        Text::appendUTF8(text, scalar);
    }
    return text;
}

} // namespace

std::optional<std::string> decode(std::uint8_t tag, std::string_view content) {
    if (tag == bmpStringTag) return fromUTF16BE(content);
    if (tag == universalStringTag) return fromUTF32BE(content);
    if (!Text::isValidUTF8(content)) return std::nullopt;
    return std::string(content);
}

} // namespace tindrel::DirectoryString
