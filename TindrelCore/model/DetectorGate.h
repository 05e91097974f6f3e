#pragma once

#include <cstdint>
#include <string_view>

namespace tindrel {

// Kinds of byte, as bits: a text is summed up by the kinds it holds, found in one walk, and a
// detector can be turned away from a text by a test of those bits instead of a call.
namespace ByteClass {
using Set = std::uint32_t;
constexpr Set digit0or1 = 1u << 0; // outside Base32
constexpr Set digit2to7 = 1u << 1;
constexpr Set digit8or9 = 1u << 2;
constexpr Set hexLower = 1u << 3;  // a-f
constexpr Set hexUpper = 1u << 4;  // A-F
constexpr Set lowerRest = 1u << 5; // g-z
constexpr Set upperRest = 1u << 6; // G-Z
constexpr Set plus = 1u << 7;
constexpr Set slash = 1u << 8;
constexpr Set equals = 1u << 9;
constexpr Set dash = 1u << 10;
constexpr Set underscore = 1u << 11;
constexpr Set dot = 1u << 12;
constexpr Set percent = 1u << 13;
constexpr Set ampersand = 1u << 14;
constexpr Set lessThan = 1u << 15;
constexpr Set backslash = 1u << 16;
constexpr Set lineFeed = 1u << 17;
constexpr Set openBracket = 1u << 18; // "{" or "["
constexpr Set otherASCII = 1u << 19;  // every other byte below 0x80, other white space included
constexpr Set nonASCII = 1u << 20;

constexpr Set digits = digit0or1 | digit2to7 | digit8or9;
constexpr Set hexDigits = digits | hexLower | hexUpper;
constexpr Set letters = hexLower | hexUpper | lowerRest | upperRest;
constexpr Set all = (1u << 21) - 1;

// The kinds of the bytes of `text`.
Set of(std::string_view text);
} // namespace ByteClass

// What a text must hold for a detector to answer it at all, told from the kinds of byte in the
// text once white space is trimmed from its ends: at least one byte of `needsAnyOf` (when not
// empty), and no byte outside `onlyOf`. A gate may let through texts its detector turns down, but
// never turns away one it answers; the engine offers a detector only what its gate lets through.
struct DetectorGate {
    ByteClass::Set needsAnyOf = 0;
    ByteClass::Set onlyOf = ByteClass::all;

    bool admits(ByteClass::Set held) const {
        return (needsAnyOf == 0 || (held & needsAnyOf) != 0) && (held & ~onlyOf) == 0;
    }
};

} // namespace tindrel
