#include "TindrelCore/model/DetectorGate.h"

#include <array>

namespace tindrel::ByteClass {
namespace {

constexpr Set classOf(unsigned char byte) {
    if (byte >= 0x80) return nonASCII;
    if (byte == '0' || byte == '1') return digit0or1;
    if (byte >= '2' && byte <= '7') return digit2to7;
    if (byte == '8' || byte == '9') return digit8or9;
    if (byte >= 'a' && byte <= 'f') return hexLower;
    if (byte >= 'A' && byte <= 'F') return hexUpper;
    if (byte >= 'g' && byte <= 'z') return lowerRest;
    if (byte >= 'G' && byte <= 'Z') return upperRest;
    switch (byte) {
    case '+':
        return plus;
    case '/':
        return slash;
    case '=':
        return equals;
    case '-':
        return dash;
    case '_':
        return underscore;
    case '.':
        return dot;
    case '%':
        return percent;
    case '&':
        return ampersand;
    case '<':
        return lessThan;
    case '\\':
        return backslash;
    case '\n':
        return lineFeed;
    case '{':
    case '[':
        return openBracket;
    default:
        return otherASCII;
    }
}

constexpr std::array<Set, 256> table = [] {
    std::array<Set, 256> classes{};
    for (unsigned byte = 0; byte < 256; ++byte)
        classes[byte] = classOf(static_cast<unsigned char>(byte));
    return classes;
}();

} // namespace

Set of(std::string_view text) {
    Set held = 0;
    for (char c : text)
        held |= table[static_cast<unsigned char>(c)];
    return held;
}

} // namespace tindrel::ByteClass
