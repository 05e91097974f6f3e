#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// A JSON object or array, rendered pretty with sorted keys; terminal.
class JSONDetector final : public Detector {
public:
    JSONDetector()
        : Detector(DetectorGate{ByteClass::openBracket}) {}
    DetectionKind kind() const override { return DetectionKind::json; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
