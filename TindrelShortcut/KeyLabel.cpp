#include "TindrelCore/text/Text.h"
#include "TindrelCore/text/TextCase.h"
#include "TindrelShortcut/KeyChord.h"

#include <array>

namespace tindrel {
namespace {

struct SpecialKey {
    std::uint32_t code;
    std::string_view label;
};

// Keys whose characters are missing, invisible or misleading (the space bar, arrows, function keys).
constexpr std::array<SpecialKey, 27> specialKeys = {{
    {49, "Space"},   {36, "Return"},   {76, "Enter"},      {48, "Tab"},     {53, "Esc"},     {51, "Delete"},
    {117, "\u2326"}, {123, "\u2190"},  {124, "\u2192"},    {125, "\u2193"}, {126, "\u2191"}, {115, "Home"},
    {119, "End"},    {116, "Page Up"}, {121, "Page Down"}, {122, "F1"},     {120, "F2"},     {99, "F3"},
    {118, "F4"},     {96, "F5"},       {97, "F6"},         {98, "F7"},      {100, "F8"},     {101, "F9"},
    {109, "F10"},    {103, "F11"},     {111, "F12"},
}};

} // namespace

std::string KeyChord::label(std::uint32_t keyCode, std::optional<std::string_view> characters) {
    for (const SpecialKey& key : specialKeys)
        if (key.code == keyCode) return std::string(key.label);
    if (characters) {
        std::string_view trimmed = Text::trim(*characters);
        if (!trimmed.empty()) return TextCase::uppercased(trimmed);
    }
    return "Key " + std::to_string(keyCode);
}

} // namespace tindrel
