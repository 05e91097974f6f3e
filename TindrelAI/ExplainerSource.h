#pragma once

#include <optional>
#include <string_view>

namespace tindrel {

// Who wrote an explanation or an answer.
enum class ExplainerSource { onDeviceAI, deterministic };

namespace explainer_source {

// "on-device AI" or "deterministic".
std::string_view rawValue(ExplainerSource source);
std::optional<ExplainerSource> fromRawValue(std::string_view raw);

} // namespace explainer_source
} // namespace tindrel
