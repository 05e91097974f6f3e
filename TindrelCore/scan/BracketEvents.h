#pragma once

#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/text/LiteralSearch.h"

namespace tindrel::BracketEvents {

inline bool isOpener(unsigned char byte) {
    return byte == '{' || byte == '[';
}
inline bool isCloser(unsigned char byte) {
    return byte == '}' || byte == ']';
}

// The first event at or after `pos`, or the text's size: a bracket, a double quote or a backslash,
// what moves the balanced-bracket walk. A bracket or quote that a combining mark joins into a
// larger character is no event: the walk reads whole characters.
inline std::size_t next(const ScanText& text, std::size_t pos) {
    for (;; ++pos) {
        pos = findAnyByte<'{', '[', '}', ']', '"', '\\'>(text.text(), pos);
        if (pos == text.size() || text.isASCII() || text.isStandalone(pos)) return pos;
    }
}

} // namespace tindrel::BracketEvents
