#include "TindrelCore/scan/WideByteClasses.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

namespace tindrel::WideByteClasses {
namespace {

// Helpers carry the target themselves: a function compiled for AVX2 inlines only its like.
#define TINDREL_AVX2 __attribute__((target("avx2"), always_inline)) inline

// 0xFF in each byte from `low` to `high`, unsigned: the subtraction wraps bytes below `low` round
// to large values, and a byte is in range where the minimum with the span leaves it unchanged.
TINDREL_AVX2 __m256i inRange(__m256i bytes, char low, char high) {
    const __m256i shifted = _mm256_sub_epi8(bytes, _mm256_set1_epi8(low));
    return _mm256_cmpeq_epi8(_mm256_min_epu8(shifted, _mm256_set1_epi8(static_cast<char>(high - low))),
                             shifted);
}

TINDREL_AVX2 __m256i is(__m256i bytes, char byte) {
    return _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(byte));
}

TINDREL_AVX2 std::uint64_t bitsOf(__m256i mask) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(mask));
}

} // namespace

__attribute__((target("avx2"))) void classify(const char* text, std::size_t chunks, std::uint64_t* base64,
                                              std::uint64_t* word) {
    for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
        std::uint64_t base64Bits = 0, wordBits = 0;
        for (unsigned half = 0; half < 2; ++half) {
            const __m256i bytes =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + 64 * chunk + 32 * half));
            // Setting bit 0x20 folds the capitals onto the small letters and nothing else onto them.
            const __m256i letters = inRange(_mm256_or_si256(bytes, _mm256_set1_epi8(0x20)), 'a', 'z');
            const __m256i words =
                _mm256_or_si256(_mm256_or_si256(letters, inRange(bytes, '0', '9')), is(bytes, '_'));
            const __m256i extra =
                _mm256_or_si256(_mm256_or_si256(is(bytes, '+'), is(bytes, '/')), is(bytes, '-'));
            wordBits |= bitsOf(words) << (32 * half);
            base64Bits |= bitsOf(_mm256_or_si256(words, extra)) << (32 * half);
        }
        base64[chunk] = base64Bits;
        word[chunk] = wordBits;
    }
}

} // namespace tindrel::WideByteClasses

#else

namespace tindrel::WideByteClasses {

void classify(const char*, std::size_t, std::uint64_t*, std::uint64_t*) {}

} // namespace tindrel::WideByteClasses

#endif
