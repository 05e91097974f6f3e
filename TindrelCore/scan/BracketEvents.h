#pragma once

#include "TindrelCore/scan/ScanMatchers.h"

namespace tindrel::BracketEvents {

// The characters that move the balanced-bracket walk: brackets, double quote and backslash.
inline constexpr ScanMatchers::ByteSet eventChars("{[}]\"\\");

inline bool isOpener(unsigned char byte) {
    return byte == '{' || byte == '[';
}
inline bool isCloser(unsigned char byte) {
    return byte == '}' || byte == ']';
}

// The first event at or after `pos` (the text's size when there is none). A bracket or quote that
// a combining mark joins into a larger character is no event: the walk reads whole characters.
inline std::size_t next(const ScanText& text, std::size_t pos) {
    for (; pos < text.size(); ++pos)
        if (eventChars.contains(text.byte(pos)) && (text.isASCII() || text.isStandalone(pos))) return pos;
    return text.size();
}

} // namespace tindrel::BracketEvents
