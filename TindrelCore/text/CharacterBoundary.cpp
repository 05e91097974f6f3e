#include "TindrelCore/text/CharacterBoundary.h"

#include "TindrelCore/text/Text.h"

#include <utf8proc.h>

namespace tindrel::Text {
namespace {

bool isASCIIByte(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// The scalar that ends right before `pos`, or U+FFFD for a broken sequence (which never joins).
char32_t scalarBefore(std::string_view s, std::size_t pos) {
    std::size_t lead = pos - 1;
    while (lead > 0 && pos - lead < 4 && (static_cast<unsigned char>(s[lead]) & 0xC0) == 0x80)
        --lead;
    Scalar scalar = decodeScalar(s, lead);
    if (scalar.value == Scalar::invalid || lead + scalar.length != pos) return 0xFFFD;
    return scalar.value;
}

char32_t scalarAt(std::string_view s, std::size_t pos) {
    Scalar scalar = decodeScalar(s, pos);
    return scalar.value == Scalar::invalid ? 0xFFFD : scalar.value;
}

} // namespace

bool isCharacterBoundary(std::string_view s, std::size_t pos) {
    if (pos == 0 || pos >= s.size()) return true;
    if (isASCIIByte(s[pos - 1]) && isASCIIByte(s[pos])) return !(s[pos - 1] == '\r' && s[pos] == '\n');
    return utf8proc_grapheme_break(static_cast<utf8proc_int32_t>(scalarBefore(s, pos)),
                                   static_cast<utf8proc_int32_t>(scalarAt(s, pos)));
}

bool isLoneCharacter(std::string_view s, std::size_t pos) {
    return isCharacterBoundary(s, pos) && isCharacterBoundary(s, pos + 1);
}

} // namespace tindrel::Text
