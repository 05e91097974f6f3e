#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tindrel {

// A hash for the tables of texts a scan meets: inline, where the library's is a call, and its low
// bits well mixed, as a table that masks them needs. Most candidates are short and hashed once.
inline std::uint64_t textHash(std::string_view text) {
    constexpr std::uint64_t k1 = 0x9E3779B97F4A7C15ULL;
    constexpr std::uint64_t k2 = 0xC2B2AE3D27D4EB4FULL;
    auto fold = [](std::uint64_t hash, std::uint64_t word, std::uint64_t k) {
        hash = (hash ^ word) * k;
        return hash ^ (hash >> 29);
    };
    auto wordAt = [&text](std::size_t at) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        return word;
    };
    const std::size_t size = text.size();
    std::uint64_t hash = (size + 1) * k2;
    if (size < 8) {
        std::uint64_t word = 0;
        if (size > 0) std::memcpy(&word, text.data(), size);
        hash = fold(hash, word, k1);
    } else {
        std::size_t at = 0;
        for (; at + 16 <= size; at += 16)
            hash = fold(fold(hash, wordAt(at), k1), wordAt(at + 8), k2);
        if (at + 8 <= size) {
            hash = fold(hash, wordAt(at), k1);
            at += 8;
        }
        if (at < size) hash = fold(hash, wordAt(size - 8), k2); // the last bytes, overlapping
    }
    hash = (hash ^ (hash >> 32)) * k1;
    return hash ^ (hash >> 29);
}

} // namespace tindrel
