#include "TindrelShortcut/KeyChord.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<tindrel::KeyChord> chord = tindrel::KeyChord::decoded(bytes);
    if (!chord) return 0;
    (void)chord->display();
    (void)chord->isValid();
    // A chord that was read writes back and reads again as the same chord.
    if (tindrel::KeyChord::decoded(chord->encoded()) != chord) __builtin_trap();
    return 0;
}
