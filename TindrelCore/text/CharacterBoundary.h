#pragma once

#include <cstddef>
#include <string_view>

namespace tindrel::Text {

// Whether a user-perceived character ends right before byte `pos` (0 and s.size() always are).
// Only answers for positions next to an ASCII byte, where no multi-scalar rule (emoji sequences,
// flag pairs) can apply.
bool isCharacterBoundary(std::string_view s, std::size_t pos);

// Whether the ASCII byte at `pos` is a character on its own: an "&" carrying a combining accent,
// or preceded by a prepended mark, is a different character and not an ampersand.
bool isLoneCharacter(std::string_view s, std::size_t pos);

} // namespace tindrel::Text
