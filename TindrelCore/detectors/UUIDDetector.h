#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// A UUID in its canonical 8-4-4-4-12 form; reports the version digit.
class UUIDDetector final : public Detector {
public:
    UUIDDetector()
        : Detector(DetectorGate{ByteClass::dash, ByteClass::hexDigits | ByteClass::dash}) {}
    DetectionKind kind() const override { return DetectionKind::uuid; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
    bool alwaysWritable() const override { return true; }
};

} // namespace tindrel
