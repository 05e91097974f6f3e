#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tindrel {

// The value of each byte as a hexadecimal digit in either case, or -1: one lookup a byte, for
// texts of megabytes of digits.
inline constexpr std::array<signed char, 256> hexDigitValues = [] {
    std::array<signed char, 256> values{};
    for (int byte = 0; byte < 256; ++byte) {
        if (byte >= '0' && byte <= '9')
            values[byte] = static_cast<signed char>(byte - '0');
        else if (byte >= 'a' && byte <= 'f')
            values[byte] = static_cast<signed char>(byte - 'a' + 10);
        else if (byte >= 'A' && byte <= 'F')
            values[byte] = static_cast<signed char>(byte - 'A' + 10);
        else
            values[byte] = -1;
    }
    return values;
}();

// The value of one hexadecimal digit in either case, or -1.
constexpr int hexDigitValue(char c) {
    return hexDigitValues[static_cast<unsigned char>(c)];
}

// Hexadecimal text with its digits A to F in lower case, other bytes as they are.
inline std::string lowercasedHex(std::string_view hex) {
    std::string out(hex);
    for (char& c : out)
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace tindrel
