#include "TindrelAppUI/hotkey/ChordText.h"

#include <array>

namespace tindrel {
namespace {

struct ModifierName {
    KeyChord::Modifiers flag;
    const char* name;
};

constexpr std::array<ModifierName, 4> modifierNames{{
    {KeyChord::Modifiers::control, "Ctrl"},
    {KeyChord::Modifiers::option, "Alt"},
    {KeyChord::Modifiers::shift, "Shift"},
    {KeyChord::Modifiers::command, "Super"},
}};

struct KeyName {
    std::uint32_t keyCode;
    const char* name;
};

// Keys whose stored label is a symbol or the other platform's word for them.
constexpr std::array<KeyName, 6> keyNames{{
    {51, "Backspace"},
    {117, "Delete"},
    {123, "Left"},
    {124, "Right"},
    {125, "Down"},
    {126, "Up"},
}};

QString keyText(const KeyChord& chord) {
    for (const KeyName& key : keyNames)
        if (key.keyCode == chord.keyCode) return QString::fromLatin1(key.name);
    return QString::fromStdString(chord.keyLabel);
}

} // namespace

QString chordText(const KeyChord& chord) {
    QString text;
    for (const ModifierName& modifier : modifierNames)
        if (chord.modifiers.contains(modifier.flag))
            text += QString::fromLatin1(modifier.name) + QLatin1Char('+');
    return text + keyText(chord);
}

} // namespace tindrel
