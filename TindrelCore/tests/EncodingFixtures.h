#pragma once

#include "TindrelCore/text/Bytes.h"

#include <string>
#include <string_view>

// Encodings the decoder tests build their inputs with.
namespace tindrel::fixtures {

inline std::string hexOf(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

// URL-safe Base64 without padding.
inline std::string base64URLOf(std::string_view bytes) {
    std::string text = Bytes::base64Encode(bytes);
    while (!text.empty() && text.back() == '=')
        text.pop_back();
    for (char& c : text)
        c = c == '+' ? '-' : c == '/' ? '_' : c;
    return text;
}

} // namespace tindrel::fixtures
