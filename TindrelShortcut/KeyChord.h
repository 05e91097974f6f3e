#pragma once

#include "TindrelCore/text/Bytes.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel {

// A key combination: the platform's virtual key code, the modifier keys to hold and what to print for
// the key. Key codes are passed through as numbers (49 is the space bar).
struct KeyChord {
    // A set of modifier flags over a raw integer; stored as that bare integer.
    struct Modifiers {
        using RawValue = std::int64_t;
        static const Modifiers control, option, shift, command;

        RawValue rawValue = 0;

        constexpr Modifiers() = default;
        constexpr explicit Modifiers(RawValue raw)
            : rawValue(raw) {}
        constexpr Modifiers(std::initializer_list<Modifiers> flags) {
            for (Modifiers flag : flags)
                insert(flag);
        }

        constexpr bool isEmpty() const { return rawValue == 0; }
        constexpr bool contains(Modifiers other) const {
            return (rawValue & other.rawValue) == other.rawValue;
        }
        constexpr void insert(Modifiers other) { rawValue |= other.rawValue; }
        constexpr void remove(Modifiers other) { rawValue &= ~other.rawValue; }
        constexpr Modifiers operator|(Modifiers other) const { return Modifiers(rawValue | other.rawValue); }
        constexpr Modifiers operator&(Modifiers other) const { return Modifiers(rawValue & other.rawValue); }

        // "⌃⌥⇧⌘" for the flags present, always in that order.
        std::string symbols() const;

        bool operator==(const Modifiers&) const = default;
    };

    std::uint32_t keyCode = 0;
    Modifiers modifiers;
    std::string keyLabel;

    // "⌥⇧Space".
    std::string display() const;
    // A global shortcut needs control, option or command; shift alone is not enough.
    bool isValid() const;

    // ⌥⇧Space.
    static KeyChord defaultChord();
    // The printable name of a key: the special-key table first, then the trimmed characters the key
    // produces in upper case, else "Key " and the code.
    static std::string label(std::uint32_t keyCode, std::optional<std::string_view> characters);

    // {"keyCode":…,"keyLabel":…,"modifiers":…} on one line.
    Bytes::Buffer encoded() const;
    // All three keys are required with their types; anything else gives nothing.
    static std::optional<KeyChord> decoded(std::string_view bytes);

    bool operator==(const KeyChord&) const = default;
};

inline constexpr KeyChord::Modifiers KeyChord::Modifiers::control{RawValue(1)};
inline constexpr KeyChord::Modifiers KeyChord::Modifiers::option{RawValue(2)};
inline constexpr KeyChord::Modifiers KeyChord::Modifiers::shift{RawValue(4)};
inline constexpr KeyChord::Modifiers KeyChord::Modifiers::command{RawValue(8)};

} // namespace tindrel
