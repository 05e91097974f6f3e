#pragma once

#include <cstddef>
#include <string_view>

namespace tindrel {

// Whether the element tags of a markup text nest deeper than `limit`. One linear pass that passes
// over comments, CDATA sections, processing instructions and declarations; a cheap guard to run
// before a reader that recurses once per level.
bool nestsDeeperThan(std::string_view markup, std::size_t limit);

} // namespace tindrel
