#include "TindrelReport/RandomID.h"

#include <array>
#include <cstdint>
#include <random>

namespace tindrel::RandomID {

std::string uuid() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::array<std::uint8_t, 16> bytes;
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        std::uint64_t word = generator();
        for (std::size_t j = 0; j < 8; ++j)
            bytes[i + j] = std::uint8_t(word >> (8 * j));
    }
    bytes[6] = std::uint8_t((bytes[6] & 0x0F) | 0x40);
    bytes[8] = std::uint8_t((bytes[8] & 0x3F) | 0x80);
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

} // namespace tindrel::RandomID
