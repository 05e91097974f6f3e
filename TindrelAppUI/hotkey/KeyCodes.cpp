#include "TindrelAppUI/hotkey/KeyCodes.h"

#include <array>

namespace tindrel::KeyCodes {
namespace {

struct Key {
    std::uint32_t code;
    int qtKey;
    std::uint32_t keysym;
};

// Below 0x100 a keysym is the Latin-1 character the key produces.
constexpr std::uint32_t firstNonCharacterKeySym = 0x100;

constexpr Key printable(std::uint32_t code, char character, int qtKey) {
    return {code, qtKey, std::uint32_t(std::uint8_t(character))};
}

constexpr std::array<Key, 48> printableKeys = {{
    printable(0, 'a', Qt::Key_A),
    printable(11, 'b', Qt::Key_B),
    printable(8, 'c', Qt::Key_C),
    printable(2, 'd', Qt::Key_D),
    printable(14, 'e', Qt::Key_E),
    printable(3, 'f', Qt::Key_F),
    printable(5, 'g', Qt::Key_G),
    printable(4, 'h', Qt::Key_H),
    printable(34, 'i', Qt::Key_I),
    printable(38, 'j', Qt::Key_J),
    printable(40, 'k', Qt::Key_K),
    printable(37, 'l', Qt::Key_L),
    printable(46, 'm', Qt::Key_M),
    printable(45, 'n', Qt::Key_N),
    printable(31, 'o', Qt::Key_O),
    printable(35, 'p', Qt::Key_P),
    printable(12, 'q', Qt::Key_Q),
    printable(15, 'r', Qt::Key_R),
    printable(1, 's', Qt::Key_S),
    printable(17, 't', Qt::Key_T),
    printable(32, 'u', Qt::Key_U),
    printable(9, 'v', Qt::Key_V),
    printable(13, 'w', Qt::Key_W),
    printable(7, 'x', Qt::Key_X),
    printable(16, 'y', Qt::Key_Y),
    printable(6, 'z', Qt::Key_Z),
    printable(29, '0', Qt::Key_0),
    printable(18, '1', Qt::Key_1),
    printable(19, '2', Qt::Key_2),
    printable(20, '3', Qt::Key_3),
    printable(21, '4', Qt::Key_4),
    printable(23, '5', Qt::Key_5),
    printable(22, '6', Qt::Key_6),
    printable(26, '7', Qt::Key_7),
    printable(28, '8', Qt::Key_8),
    printable(25, '9', Qt::Key_9),
    printable(27, '-', Qt::Key_Minus),
    printable(24, '=', Qt::Key_Equal),
    printable(33, '[', Qt::Key_BracketLeft),
    printable(30, ']', Qt::Key_BracketRight),
    printable(42, '\\', Qt::Key_Backslash),
    printable(41, ';', Qt::Key_Semicolon),
    printable(39, '\'', Qt::Key_Apostrophe),
    printable(43, ',', Qt::Key_Comma),
    printable(47, '.', Qt::Key_Period),
    printable(44, '/', Qt::Key_Slash),
    printable(50, '`', Qt::Key_QuoteLeft),
    printable(49, ' ', Qt::Key_Space),
}};

constexpr std::array<Key, 31> functionKeys = {{
    {36, Qt::Key_Return, 0xff0d},  {76, Qt::Key_Enter, 0xff8d},     {48, Qt::Key_Tab, 0xff09},
    {53, Qt::Key_Escape, 0xff1b},  {51, Qt::Key_Backspace, 0xff08}, {117, Qt::Key_Delete, 0xffff},
    {123, Qt::Key_Left, 0xff51},   {124, Qt::Key_Right, 0xff53},    {125, Qt::Key_Down, 0xff54},
    {126, Qt::Key_Up, 0xff52},     {115, Qt::Key_Home, 0xff50},     {119, Qt::Key_End, 0xff57},
    {116, Qt::Key_PageUp, 0xff55}, {121, Qt::Key_PageDown, 0xff56}, {114, Qt::Key_Insert, 0xff63},
    {122, Qt::Key_F1, 0xffbe},     {120, Qt::Key_F2, 0xffbf},       {99, Qt::Key_F3, 0xffc0},
    {118, Qt::Key_F4, 0xffc1},     {96, Qt::Key_F5, 0xffc2},        {97, Qt::Key_F6, 0xffc3},
    {98, Qt::Key_F7, 0xffc4},      {100, Qt::Key_F8, 0xffc5},       {101, Qt::Key_F9, 0xffc6},
    {109, Qt::Key_F10, 0xffc7},    {103, Qt::Key_F11, 0xffc8},      {111, Qt::Key_F12, 0xffc9},
    {105, Qt::Key_F13, 0xffca},    {107, Qt::Key_F14, 0xffcb},      {113, Qt::Key_F15, 0xffcc},
    {106, Qt::Key_F16, 0xffcd},
}};

// What shift turns the keys of a US layout into; Qt reports the shifted symbol as the key.
constexpr std::array<std::pair<int, std::uint32_t>, 20> shiftedSymbols = {{
    {Qt::Key_Exclam, 18},    {Qt::Key_At, 19},          {Qt::Key_NumberSign, 20}, {Qt::Key_Dollar, 21},
    {Qt::Key_Percent, 23},   {Qt::Key_AsciiCircum, 22}, {Qt::Key_Ampersand, 26},  {Qt::Key_Asterisk, 28},
    {Qt::Key_ParenLeft, 25}, {Qt::Key_ParenRight, 29},  {Qt::Key_Underscore, 27}, {Qt::Key_Plus, 24},
    {Qt::Key_BraceLeft, 33}, {Qt::Key_BraceRight, 30},  {Qt::Key_Bar, 42},        {Qt::Key_Colon, 41},
    {Qt::Key_QuoteDbl, 39},  {Qt::Key_Question, 44},    {Qt::Key_AsciiTilde, 50}, {Qt::Key_Backtab, 48},
}};

template <typename Match> const Key* find(Match match) {
    for (const Key& key : printableKeys)
        if (match(key)) return &key;
    for (const Key& key : functionKeys)
        if (match(key)) return &key;
    return nullptr;
}

} // namespace

std::optional<std::uint32_t> fromQtKey(int qtKey) {
    if (const Key* key = find([qtKey](const Key& k) { return k.qtKey == qtKey; })) return key->code;
    for (auto [symbol, code] : shiftedSymbols)
        if (symbol == qtKey) return code;
    return std::nullopt;
}

QString characters(std::uint32_t keyCode) {
    const Key* key = find([keyCode](const Key& k) { return k.code == keyCode; });
    if (!key || key->keysym >= firstNonCharacterKeySym) return {};
    return QString(QChar(char16_t(key->keysym)));
}

std::optional<std::uint32_t> x11KeySym(std::uint32_t keyCode) {
    if (const Key* key = find([keyCode](const Key& k) { return k.code == keyCode; })) return key->keysym;
    return std::nullopt;
}

std::uint16_t x11Modifiers(KeyChord::Modifiers modifiers) {
    constexpr std::uint16_t shiftMask = 1, controlMask = 4, mod1Mask = 8, mod4Mask = 64;
    std::uint16_t mask = 0;
    if (modifiers.contains(KeyChord::Modifiers::control)) mask |= controlMask;
    if (modifiers.contains(KeyChord::Modifiers::option)) mask |= mod1Mask;
    if (modifiers.contains(KeyChord::Modifiers::shift)) mask |= shiftMask;
    if (modifiers.contains(KeyChord::Modifiers::command)) mask |= mod4Mask;
    return mask;
}

KeyChord::Modifiers fromQtModifiers(Qt::KeyboardModifiers modifiers) {
    KeyChord::Modifiers result;
    if (modifiers & Qt::ControlModifier) result.insert(KeyChord::Modifiers::control);
    if (modifiers & Qt::AltModifier) result.insert(KeyChord::Modifiers::option);
    if (modifiers & Qt::ShiftModifier) result.insert(KeyChord::Modifiers::shift);
    if (modifiers & Qt::MetaModifier) result.insert(KeyChord::Modifiers::command);
    return result;
}

} // namespace tindrel::KeyCodes
