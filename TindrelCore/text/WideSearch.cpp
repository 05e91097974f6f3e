#include "TindrelCore/text/WideSearch.h"

#include <bit>
#include <cstdint>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

namespace tindrel::WideSearch {
namespace {

constexpr std::size_t blockSize = 32;

__attribute__((target("avx2"), always_inline)) inline __m256i loadBlock(const char* at) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

__attribute__((target("avx2"), always_inline)) inline std::uint32_t bitsOf(__m256i mask) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(mask));
}

} // namespace

bool available() {
    // Asked before the runtime's own constructors have run, the answer would be a guess.
    static const bool hasAVX2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return hasAVX2;
}

__attribute__((target("avx2"))) std::size_t findLiteral(std::string_view text, std::string_view literal,
                                                        std::size_t pos, std::size_t probe) {
    const __m256i firstBytes = _mm256_set1_epi8(literal.front());
    const __m256i probeBytes = _mm256_set1_epi8(literal[probe]);
    for (; pos + literal.size() - 1 + blockSize <= text.size(); pos += blockSize) {
        const __m256i both =
            _mm256_and_si256(_mm256_cmpeq_epi8(loadBlock(text.data() + pos), firstBytes),
                             _mm256_cmpeq_epi8(loadBlock(text.data() + pos + probe), probeBytes));
        for (std::uint32_t tries = bitsOf(both); tries != 0; tries &= tries - 1) {
            std::size_t at = pos + static_cast<std::size_t>(std::countr_zero(tries));
            if (text.substr(at, literal.size()) == literal) return at;
        }
    }
    return text.find(literal, pos);
}

} // namespace tindrel::WideSearch

#else

namespace tindrel::WideSearch {

bool available() {
    return false;
}

std::size_t findLiteral(std::string_view text, std::string_view literal, std::size_t pos, std::size_t) {
    return text.find(literal, pos);
}

} // namespace tindrel::WideSearch

#endif
