#pragma once

#include "TindrelCore/model/Details.h"

#include <nlohmann/json.hpp>
#include <string>

namespace tindrel::fixtures {

// A step's facts written in test data as a JSON object of strings.
inline Details detailsOf(const nlohmann::json& object) {
    Details details;
    for (const auto& [key, value] : object.items())
        details.emplace(key, value.get<std::string>());
    return details;
}

} // namespace tindrel::fixtures
