#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tindrel {

// The first `literal` (two bytes or more) in `text` at or after `pos`, or npos. Sixteen places are
// tried at once by their first and last bytes, so a search for "eyJ" does not stop at every "e"
// of a log as a search for the first byte does.
inline std::size_t findLiteral(std::string_view text, std::string_view literal, std::size_t pos = 0) {
    using Block = unsigned char __attribute__((vector_size(16)));
    constexpr std::size_t width = sizeof(Block);
    const std::size_t last = literal.size() - 1;
    const Block firstBytes = Block{} + static_cast<unsigned char>(literal.front());
    const Block lastBytes = Block{} + static_cast<unsigned char>(literal.back());
    for (; pos + last + width <= text.size(); pos += width) {
        Block atFirst, atLast;
        std::memcpy(&atFirst, text.data() + pos, width);
        std::memcpy(&atLast, text.data() + pos + last, width);
        auto both = (atFirst == firstBytes) & (atLast == lastBytes);
        std::uint64_t halves[2];
        std::memcpy(halves, &both, width);
        if ((halves[0] | halves[1]) == 0) continue;
        for (std::size_t i = 0; i < width; ++i)
            if (both[i] != 0 && text.substr(pos + i, literal.size()) == literal) return pos + i;
    }
    return text.find(literal, pos);
}

} // namespace tindrel
