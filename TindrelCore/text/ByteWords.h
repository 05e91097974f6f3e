#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Eight bytes of a text read as one word, for loops that pass over plain runs a word at a time.
// Each test is exact for the word as a whole (which byte matched is not told).
namespace tindrel::ByteWords {

inline constexpr std::size_t size = sizeof(std::uint64_t);

inline std::uint64_t load(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, size);
    return word;
}

// `byte` in every byte of the word.
constexpr std::uint64_t everyByte(unsigned char byte) {
    return 0x0101010101010101ULL * byte;
}

constexpr bool hasHighBit(std::uint64_t word) {
    return (word & everyByte(0x80)) != 0;
}

// Some byte of the word is below `limit` (at most 0x80).
constexpr bool hasByteBelow(std::uint64_t word, unsigned char limit) {
    return ((word - everyByte(limit)) & ~word & everyByte(0x80)) != 0;
}

constexpr bool hasByte(std::uint64_t word, unsigned char byte) {
    return hasByteBelow(word ^ everyByte(byte), 1);
}

} // namespace tindrel::ByteWords
