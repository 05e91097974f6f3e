#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

std::vector<DetectionKind> DecodeChain::kinds() const {
    std::vector<DetectionKind> result;
    result.reserve(steps.size());
    for (const DecodeResult& step : steps)
        result.push_back(step.kind);
    return result;
}

std::vector<std::string> DecodeChain::shape() const {
    std::vector<std::string> result;
    result.reserve(steps.size());
    for (const DecodeResult& step : steps)
        result.emplace_back(detection_kind::rawValue(step.kind));
    return result;
}

std::string DecodeChain::shapeText() const {
    std::string text;
    for (const DecodeResult& step : steps) {
        if (!text.empty()) text += " \u2192 ";
        text += detection_kind::rawValue(step.kind);
    }
    return text;
}

} // namespace tindrel
