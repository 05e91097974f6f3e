#include "TindrelAI/DetailCategorizer.h"

#include <array>

namespace tindrel {

const std::set<std::string, std::less<>>& DetailCategorizer::explanationKeys() {
    static const std::set<std::string, std::less<>> keys = {
        "security", "recommendation", "meaning", "common_causes", "next_step", "next_steps", "checklist",
    };
    return keys;
}

bool DetailCategorizer::isExplanatory(std::string_view key) {
    static constexpr std::array<std::string_view, 3> suffixes = {"_note", "_meaning", "_relative"};
    if (explanationKeys().contains(key)) return true;
    for (std::string_view suffix : suffixes)
        if (key.ends_with(suffix)) return true;
    return false;
}

DetailCategorizer::DetailCategorizer(const Details& details) {
    // Details is ordered by byte-wise key comparison already, which is the order both lists need.
    for (const auto& [key, value] : details)
        (isExplanatory(key) ? engineNotes : facts).emplace_back(key, value);
}

} // namespace tindrel
