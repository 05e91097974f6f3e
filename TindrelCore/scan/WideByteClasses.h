#pragma once

#include <cstddef>
#include <cstdint>

// The byte masks' classes thirty-two bytes at a time, on processors that have AVX2 (see
// WideSearch::available); the masks fall back to sixteen at a time elsewhere.
namespace tindrel::WideByteClasses {

// For each of `chunks` runs of sixty-four bytes from `text`, one word of bits per class: byte i
// of the chunk sets bit i where it is in [A-Za-z0-9+/_-] (`base64`) or [A-Za-z0-9_] (`word`).
// Only to be called when WideSearch::available().
void classify(const char* text, std::size_t chunks, std::uint64_t* base64, std::uint64_t* word);

} // namespace tindrel::WideByteClasses
