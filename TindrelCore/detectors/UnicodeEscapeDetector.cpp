#include "TindrelCore/detectors/UnicodeEscapeDetector.h"

#include "TindrelCore/text/CharacterBoundary.h"
#include "TindrelCore/text/HexDigit.h"
#include "TindrelCore/text/Text.h"

#include <optional>

namespace tindrel {
namespace {

// The value of `length` hex digits starting at `pos`, when all of them are there.
std::optional<char32_t> hexValue(std::string_view s, std::size_t pos, std::size_t length) {
    if (pos + length > s.size()) return std::nullopt;
    char32_t value = 0;
    for (std::size_t i = pos; i < pos + length; ++i) {
        int digit = hexDigitValue(s[i]);
        if (digit < 0) return std::nullopt;
        value = value * 16 + char32_t(digit);
    }
    return value;
}

struct Escape {
    char32_t scalar;
    std::size_t length;
};

// The escape starting with the backslash at `pos`. Only the lower-case forms count, and each part
// must be a character of its own (a hex digit carrying a combining mark is no digit). Surrogates
// are not scalars, so a pair written as two \u escapes stays as written.
std::optional<Escape> escapeAt(std::string_view s, std::size_t pos) {
    if (pos + 1 >= s.size() || !Text::isCharacterBoundary(s, pos)) return std::nullopt;
    char marker = s[pos + 1];
    std::size_t digits = marker == 'u' ? 4 : marker == 'x' ? 2 : 0;
    if (digits == 0) return std::nullopt;
    std::optional<char32_t> value = hexValue(s, pos + 2, digits);
    std::size_t length = 2 + digits;
    if (!value || !Text::isCharacterBoundary(s, pos + length)) return std::nullopt;
    if (*value > 0x10FFFF || (*value >= 0xD800 && *value <= 0xDFFF)) return std::nullopt;
    return Escape{*value, length};
}

} // namespace

// Works on the text as given; \x gives one Latin-1 character per escape, never a UTF-8 byte.
std::optional<DecodeResult> UnicodeEscapeDetector::decode(std::string_view text) const {
    if (text.find('\\') == std::string_view::npos) return std::nullopt;
    std::string out;
    out.reserve(text.size());
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t backslash = text.find('\\', i);
        out.append(text.substr(i, backslash - i));
        if (backslash == std::string_view::npos) break;
        std::optional<Escape> escape = escapeAt(text, backslash);
        if (!escape) {
            out += '\\';
            i = backslash + 1;
            continue;
        }
        Text::appendUTF8(out, escape->scalar);
        ++count;
        i = backslash + escape->length;
    }
    // Every escape is longer than the character it stands for, so one decoded escape changes the text.
    if (count == 0) return std::nullopt;
    std::string counted = std::to_string(count);
    return DecodeResult{
        DetectionKind::unicodeEscape, std::move(out), 0.8, "Unicode escapes (" + counted + " decoded)",
        {{"count", counted}},         false,
    };
}

} // namespace tindrel
