#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Sixteen bytes of a text compared at once (the compiler's portable vector extensions), for passes
// that look for a few byte values among many. A comparison gives a mask: 0xFF in every byte that
// matched, 0 elsewhere.
namespace tindrel::ByteBlocks {

inline constexpr std::size_t size = 16;
using Block = unsigned char __attribute__((vector_size(size)));
using SignedBlock = signed char __attribute__((vector_size(size)));

inline Block load(const char* at) {
    Block block;
    std::memcpy(&block, at, size);
    return block;
}

// `byte` in every byte of a block.
inline Block every(unsigned char byte) {
    return Block{} + byte;
}

// A comparison mask of the bytes from `low` to `high`: one subtraction and one comparison, as
// bytes below `low` wrap round to large values.
inline auto inRange(const Block& bytes, unsigned char low, unsigned char high) {
    return (bytes - every(low)) <= every(static_cast<unsigned char>(high - low));
}

// The low bits of the eight bytes of `lanes`, gathered into eight bits in byte order: the
// multiplication moves the low bit of byte i to bit 56 + i, and no two partial products meet.
constexpr unsigned lowBitsOf(std::uint64_t lanes) {
    return static_cast<unsigned>((lanes & 0x0101010101010101ULL) * 0x0102040810204080ULL >> 56);
}
static_assert(lowBitsOf(0x0100000000000001ULL) == 0x81 && lowBitsOf(0xFFFFFFFFFFFFFFFFULL) == 0xFF &&
              lowBitsOf(0x0E0E0E0E0E0E0E0EULL) == 0);

// The two halves of a block or mask, as words.
template <typename Mask> void halvesOf(const Mask& mask, std::uint64_t halves[2]) {
    static_assert(sizeof(Mask) == size);
    std::memcpy(halves, &mask, size);
}

// One bit a byte of a comparison's mask (every byte 0 or 0xFF): bit i set where byte i is. Every
// x86-64 processor gathers them in one instruction; elsewhere a multiplication does.
template <typename Mask> std::uint32_t bitsOf(const Mask& mask) {
    static_assert(sizeof(Mask) == size);
#if defined(__SSE2__)
    __m128i lanes;
    std::memcpy(&lanes, &mask, size);
    return static_cast<std::uint32_t>(_mm_movemask_epi8(lanes));
#else
    std::uint64_t halves[2];
    halvesOf(mask, halves);
    return lowBitsOf(halves[0]) | lowBitsOf(halves[1]) << 8;
#endif
}

// The block of `text` at `at`, its bytes past the text's end NUL. Only the last, short block goes
// through a copy: a block pieced together from smaller stores and read back at once stalls the load
// for as long as the work on the block takes.
inline Block loadPadded(std::string_view text, std::size_t at) {
    if (text.size() - at >= size) return load(text.data() + at);
    Block bytes{};
    std::memcpy(&bytes, text.data() + at, text.size() - at);
    return bytes;
}

// One bit a byte of `bytes`, set where the byte is one of `Bytes`.
template <unsigned char... Bytes> std::uint32_t bitsOfAny(const Block& bytes) {
    return bitsOf(((bytes == every(Bytes)) | ...));
}

// How many bytes of `text` are `byte`: line counts over whole logs. Each comparison's mask (-1 in
// a byte that matched) is subtracted into sixteen byte counters, which are summed before any can
// pass 255.
inline std::size_t countOf(std::string_view text, unsigned char byte) {
    const Block wanted = every(byte);
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos + size <= text.size()) {
        Block counters{};
        for (int round = 0; round < 255 && pos + size <= text.size(); ++round, pos += size) {
            const auto mask = load(text.data() + pos) == wanted;
            Block matched;
            std::memcpy(&matched, &mask, size);
            counters -= matched;
        }
        for (std::size_t lane = 0; lane < size; ++lane)
            count += counters[lane];
    }
    for (; pos < text.size(); ++pos)
        count += static_cast<unsigned char>(text[pos]) == byte;
    return count;
}

} // namespace tindrel::ByteBlocks
