#pragma once

#include <cstddef>
#include <cstdint>

// The byte masks' classes thirty-two bytes at a time, on x86-64 processors that have AVX2 (nearly
// all since 2013); the masks fall back to sixteen at a time elsewhere.
namespace tindrel::WideByteClasses {

bool available();

// For each of `chunks` runs of sixty-four bytes from `text`, one word of bits per class: byte i
// of the chunk sets bit i where it is in [A-Za-z0-9+/_-] (`base64`) or [A-Za-z0-9_] (`word`).
// Only to be called when available().
void classify(const char* text, std::size_t chunks, std::uint64_t* base64, std::uint64_t* word);

} // namespace tindrel::WideByteClasses
