#include "TindrelCore/text/CharacterClasses.h"

#include <utf8proc.h>

namespace tindrel::CharacterClasses {
namespace {

bool isASCIIWord(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Alphabetic symbols that are neither letters nor marks: circled and squared Latin letters.
bool isOtherAlphabeticSymbol(char32_t c) {
    return (c >= 0x24B6 && c <= 0x24E9) || (c >= 0x1F130 && c <= 0x1F149) || (c >= 0x1F150 && c <= 0x1F169) ||
           (c >= 0x1F170 && c <= 0x1F189);
}

utf8proc_category_t category(char32_t c) {
    return utf8proc_category(static_cast<utf8proc_int32_t>(c));
}

} // namespace

bool isWordCharacter(char32_t c) {
    if (c < 0x80) return isASCIIWord(c);
    switch (category(c)) {
    case UTF8PROC_CATEGORY_LU:
    case UTF8PROC_CATEGORY_LL:
    case UTF8PROC_CATEGORY_LT:
    case UTF8PROC_CATEGORY_LM:
    case UTF8PROC_CATEGORY_LO:
    case UTF8PROC_CATEGORY_NL:
    case UTF8PROC_CATEGORY_MN:
    case UTF8PROC_CATEGORY_MC:
    case UTF8PROC_CATEGORY_ME:
    case UTF8PROC_CATEGORY_ND:
    case UTF8PROC_CATEGORY_PC:
        return true;
    default:
        return c == 0x200C || c == 0x200D || isOtherAlphabeticSymbol(c);
    }
}

bool isBoundaryTransparent(char32_t c) {
    if (c < 0x80) return false;
    if (category(c) == UTF8PROC_CATEGORY_CF) return true;
    bool emojiModifier = c >= 0x1F3FB && c <= 0x1F3FF; // extends a cluster but is no grapheme extender
    const utf8proc_property_t* property = utf8proc_get_property(static_cast<utf8proc_int32_t>(c));
    return property->boundclass == UTF8PROC_BOUNDCLASS_EXTEND && !emojiModifier;
}

bool isNonASCIIDecimalDigit(char32_t c) {
    return category(c) == UTF8PROC_CATEGORY_ND;
}

} // namespace tindrel::CharacterClasses
