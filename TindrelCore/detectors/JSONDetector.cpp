#include "TindrelCore/detectors/JSONDetector.h"

#include "TindrelCore/formats/JSONUtil.h"

namespace tindrel {

std::optional<DecodeResult> JSONDetector::decode(std::string_view text) const {
    std::optional<JSONUtil::Pretty> pretty = JSONUtil::prettyPrinted(text);
    if (!pretty) return std::nullopt;
    return DecodeResult{
        DetectionKind::json,        std::move(pretty->text),          0.95,
        "JSON " + pretty->topLevel, {{"topLevel", pretty->topLevel}}, true,
    };
}

} // namespace tindrel
