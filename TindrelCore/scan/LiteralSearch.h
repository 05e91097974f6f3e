#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tindrel {

// The first `literal` (two bytes or more) in `text` at or after `pos`, or npos. Sixteen places are
// tried at once by two of the literal's bytes, its first and the one at `probe` (by default its
// last), so a search for "eyJ" does not stop at every "e" of a log as a search for the first byte
// does. A probe at a byte rare in text after the first makes the tries that fail rarer still.
inline std::size_t findLiteral(std::string_view text, std::string_view literal, std::size_t pos = 0,
                               std::size_t probe = std::string_view::npos) {
    using Block = unsigned char __attribute__((vector_size(16)));
    constexpr std::size_t width = sizeof(Block);
    probe = std::min(probe, literal.size() - 1);
    const Block firstBytes = Block{} + static_cast<unsigned char>(literal.front());
    const Block probeBytes = Block{} + static_cast<unsigned char>(literal[probe]);
    for (; pos + literal.size() - 1 + width <= text.size(); pos += width) {
        Block atFirst, atProbe;
        std::memcpy(&atFirst, text.data() + pos, width);
        std::memcpy(&atProbe, text.data() + pos + probe, width);
        auto both = (atFirst == firstBytes) & (atProbe == probeBytes);
        std::uint64_t halves[2];
        std::memcpy(halves, &both, width);
        if ((halves[0] | halves[1]) == 0) continue;
        for (std::size_t i = 0; i < width; ++i)
            if (both[i] != 0 && text.substr(pos + i, literal.size()) == literal) return pos + i;
    }
    return text.find(literal, pos);
}

// The first byte at or after `pos` that is one of `Bytes`, or the text's size. Sixteen bytes
// that hold none are passed over at once.
template <unsigned char... Bytes> std::size_t findAnyByte(std::string_view text, std::size_t pos) {
    using Block = unsigned char __attribute__((vector_size(16)));
    constexpr std::size_t width = sizeof(Block);
    for (; pos + width <= text.size(); pos += width) {
        Block block;
        std::memcpy(&block, text.data() + pos, width);
        auto hits = ((block == Block{} + Bytes) | ...);
        std::uint64_t halves[2];
        std::memcpy(halves, &hits, width);
        if ((halves[0] | halves[1]) != 0) break;
    }
    while (pos < text.size() && ((static_cast<unsigned char>(text[pos]) != Bytes) && ...))
        ++pos;
    return pos;
}

} // namespace tindrel
