#pragma once

#include "TindrelCore/scan/ScanText.h"

#include <functional>
#include <optional>
#include <vector>

namespace tindrel::JSONSpans {

// Walking the text character by character, every "{" or "[" that has a balanced end gives the
// span up to and including that end, and the walk goes on after it. Brackets of either type close
// each other; brackets inside double-quoted strings (with backslash escapes) do not count.
std::vector<TextSpan> find(const ScanText& text);
// The same spans, handed to `each` in text order instead of held; only those that begin before
// `beginBefore`, the walk stopping there.
void forEach(const ScanText& text, const std::function<void(const TextSpan&)>& each,
             std::size_t beginBefore = std::string_view::npos);

// The position of the bracket that balances the opening bracket at `open`, if the text has one.
std::optional<std::size_t> balancedEnd(const ScanText& text, std::size_t open);

// The first opening bracket the walk of `find` reaches and finds no balanced end for: where a span
// may begin that text after this one would close.
std::optional<std::size_t> firstUnclosed(const ScanText& text);

} // namespace tindrel::JSONSpans
