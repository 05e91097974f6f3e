#pragma once

#include <cstddef>

namespace tindrel {

// The pretty form of hostile markup (deep nesting indented line by line, a binary property list
// whose objects are shared many times over) can be hundreds of times its input. Renderings larger
// than this are refused rather than built; real documents stay far below it.
inline constexpr std::size_t renderingBudget(std::size_t inputSize) {
    return (std::size_t(64) << 20) + 16 * inputSize;
}

} // namespace tindrel
