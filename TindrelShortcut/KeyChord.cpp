#include "TindrelShortcut/KeyChord.h"

namespace tindrel {

std::string KeyChord::Modifiers::symbols() const {
    struct Symbol {
        Modifiers flag;
        const char* text;
    };
    static constexpr Symbol order[] = {
        {control, "\u2303"},
        {option, "\u2325"},
        {shift, "\u21E7"},
        {command, "\u2318"},
    };
    std::string out;
    for (const Symbol& symbol : order)
        if (contains(symbol.flag)) out += symbol.text;
    return out;
}

std::string KeyChord::display() const {
    return modifiers.symbols() + keyLabel;
}

bool KeyChord::isValid() const {
    return !(modifiers & (Modifiers::control | Modifiers::option | Modifiers::command)).isEmpty();
}

KeyChord KeyChord::defaultChord() {
    return KeyChord{49, {Modifiers::option, Modifiers::shift}, "Space"};
}

} // namespace tindrel
