#include "TindrelAI/ExplainerSource.h"

namespace tindrel::explainer_source {

std::string_view rawValue(ExplainerSource source) {
    return source == ExplainerSource::onDeviceAI ? "on-device AI" : "deterministic";
}

std::optional<ExplainerSource> fromRawValue(std::string_view raw) {
    for (ExplainerSource source : {ExplainerSource::onDeviceAI, ExplainerSource::deterministic})
        if (rawValue(source) == raw) return source;
    return std::nullopt;
}

} // namespace tindrel::explainer_source
