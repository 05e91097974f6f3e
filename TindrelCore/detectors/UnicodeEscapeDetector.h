#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Backslash escapes \uXXXX and \xXX as JSON, JavaScript and log output write them.
class UnicodeEscapeDetector final : public Detector {
public:
    UnicodeEscapeDetector()
        : Detector(DetectorGate{ByteClass::backslash}) {}
    DetectionKind kind() const override { return DetectionKind::unicodeEscape; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
