#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Hexadecimal text whose bytes are readable text; a 0x prefix is allowed.
class HexDetector final : public Detector {
public:
    HexDetector()
        : Detector(DetectorGate{0, ByteClass::hexDigits | ByteClass::lowerRest | ByteClass::upperRest}) {}
    DetectionKind kind() const override { return DetectionKind::hex; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
