#pragma once

// ICU's own regular-expression engine and grapheme iterator, as an oracle for short texts.

#include "TindrelCore/scan/ScanText.h"

#include <string_view>
#include <vector>

namespace tindrel::oracle {

// Every non-overlapping match of `pattern` left to right, in byte offsets, keeping only matches
// that begin and end between user-perceived characters.
std::vector<TextSpan> matches(std::string_view text, std::string_view pattern);

// Positions between user-perceived characters, from 0 to the size of the text.
std::vector<std::size_t> characterBoundaries(std::string_view text);

} // namespace tindrel::oracle
