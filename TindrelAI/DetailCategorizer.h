#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tindrel {

// Splits one step's details into plain facts and the engine's explanatory notes.
struct DetailCategorizer {
    using Pair = std::pair<std::string, std::string>;

    // Both lists in ascending key order.
    std::vector<Pair> facts;
    std::vector<Pair> engineNotes;

    explicit DetailCategorizer(const Details& details);

    static const std::set<std::string, std::less<>>& explanationKeys();
    // One of explanationKeys, or a key ending in "_note", "_meaning" or "_relative"; case-sensitive.
    static bool isExplanatory(std::string_view key);
};

} // namespace tindrel
