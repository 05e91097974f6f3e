#pragma once

#include <cstddef>
#include <string_view>

// Searches of long texts thirty-two bytes at a time, on x86-64 processors that have AVX2 (nearly
// all since 2013). The sixteen-byte literal search every processor has hands long texts over.
namespace tindrel::WideSearch {

// Whether the processor has AVX2: the functions here, and the byte masks' wide blocks, need it.
bool available();

// As findLiteral: the first `literal` at or after `pos`, tried by its first byte and the one at
// `probe`. Only when available().
std::size_t findLiteral(std::string_view text, std::string_view literal, std::size_t pos, std::size_t probe);

} // namespace tindrel::WideSearch
