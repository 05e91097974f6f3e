#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Block-style YAML (indented mappings and "- " sequences) rendered as pretty JSON; terminal.
class YAMLDetector final : public Detector {
public:
    YAMLDetector()
        : Detector(DetectorGate{ByteClass::lineFeed}) {}
    DetectionKind kind() const override { return DetectionKind::yaml; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
