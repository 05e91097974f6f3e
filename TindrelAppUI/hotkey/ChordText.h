#pragma once

#include "TindrelShortcut/KeyChord.h"

#include <QString>

namespace tindrel {

// A chord as Linux desktops write shortcuts: modifier names joined with "+" in the order Ctrl, Alt,
// Shift, Super, then the key ("Alt+Shift+Space", "Ctrl+Alt+K"). The keys the chord names by symbol
// get their names ("Left", "Backspace"). Only the text shown changes; the stored chord keeps its form.
QString chordText(const KeyChord& chord);

} // namespace tindrel
