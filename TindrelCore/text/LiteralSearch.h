#pragma once

#include "TindrelCore/text/ByteBlocks.h"
#include "TindrelCore/text/WideSearch.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tindrel {

// Searches with this much text ahead are handed to the wide ones where the processor has them.
inline constexpr std::size_t wideSearchFrom = 256;

// The first `literal` (two bytes or more) in `text` at or after `pos`, or npos. Sixteen places are
// tried at once by two of the literal's bytes, its first and the one at `probe` (by default its
// last), so a search for "eyJ" does not stop at every "e" of a log as a search for the first byte
// does. A probe at a byte rare in text after the first makes the tries that fail rarer still.
inline std::size_t findLiteral(std::string_view text, std::string_view literal, std::size_t pos = 0,
                               std::size_t probe = std::string_view::npos) {
    using namespace ByteBlocks;
    probe = std::min(probe, literal.size() - 1);
    if (pos < text.size() && text.size() - pos >= wideSearchFrom && WideSearch::available())
        return WideSearch::findLiteral(text, literal, pos, probe);
    const Block firstBytes = every(static_cast<unsigned char>(literal.front()));
    const Block probeBytes = every(static_cast<unsigned char>(literal[probe]));
    for (; pos + literal.size() - 1 + size <= text.size(); pos += size) {
        auto both = (load(text.data() + pos) == firstBytes) & (load(text.data() + pos + probe) == probeBytes);
        for (std::uint32_t tries = bitsOf(both); tries != 0; tries &= tries - 1) {
            std::size_t at = pos + static_cast<std::size_t>(std::countr_zero(tries));
            if (text.substr(at, literal.size()) == literal) return at;
        }
    }
    return text.find(literal, pos);
}

// The first byte at or after `pos` that is one of `Bytes`, or the text's size. Sixteen bytes are
// looked at at once.
template <unsigned char... Bytes> std::size_t findAnyByte(std::string_view text, std::size_t pos) {
    using namespace ByteBlocks;
    for (; pos + size <= text.size(); pos += size) {
        if (std::uint32_t found = bitsOfAny<Bytes...>(load(text.data() + pos)); found != 0)
            return pos + static_cast<std::size_t>(std::countr_zero(found));
    }
    while (pos < text.size() && ((static_cast<unsigned char>(text[pos]) != Bytes) && ...))
        ++pos;
    return pos;
}

} // namespace tindrel
