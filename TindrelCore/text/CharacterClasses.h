#pragma once

namespace tindrel::CharacterClasses {

// Letters and digits of every script, marks, connector punctuation, ZWNJ and ZWJ: the scalars
// between which a word boundary does not fall.
bool isWordCharacter(char32_t scalar);
// Grapheme extenders and format characters: a word boundary never falls before one, and looking
// back for the previous character skips them.
bool isBoundaryTransparent(char32_t scalar);
// Decimal digits of every script (general category Nd).
bool isNonASCIIDecimalDigit(char32_t scalar);
inline bool isDecimalDigit(char32_t scalar) {
    return scalar < 0x80 ? scalar >= '0' && scalar <= '9' : isNonASCIIDecimalDigit(scalar);
}

} // namespace tindrel::CharacterClasses
