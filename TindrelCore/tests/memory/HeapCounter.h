#pragma once

#include <cstddef>

namespace tindrel::HeapCounter {

// Bytes held through operator new right now, as the allocator counts them (with its rounding).
std::size_t current();

// The most held at once since the last restartPeak().
std::size_t peak();
void restartPeak();

} // namespace tindrel::HeapCounter
