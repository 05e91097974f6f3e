#pragma once

#include "TindrelShortcut/KeyChord.h"

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace tindrel {

// A chord stores the virtual key codes of the Apple extended keyboard (49 the space bar, 0 the A key,
// 122 F1, …) so a stored chord means the same key on every machine. These functions translate
// between those codes, Qt's keys and X keysyms for the keys of a US layout.
namespace KeyCodes {

// The code of a Qt key; shifted symbols ("!", "?") give the code of the key that produces them.
std::optional<std::uint32_t> fromQtKey(int qtKey);
// The unshifted text the key produces ("k", "1", "/"); empty for keys that produce none.
QString characters(std::uint32_t keyCode);
// The X keysym of the key ("a" for 0, XK_space for 49).
std::optional<std::uint32_t> x11KeySym(std::uint32_t keyCode);
// Control → ControlMask, option → Mod1 (Alt), shift → ShiftMask, command → Mod4 (Super).
std::uint16_t x11Modifiers(KeyChord::Modifiers modifiers);
// Control, option (Alt), shift and command (Meta) of a key event; keypad and group flags dropped.
KeyChord::Modifiers fromQtModifiers(Qt::KeyboardModifiers modifiers);

} // namespace KeyCodes
} // namespace tindrel
