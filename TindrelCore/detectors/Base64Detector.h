#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Standard and URL-safe Base64 whose bytes are readable text.
class Base64Detector final : public Detector {
public:
    Base64Detector()
        : Detector(DetectorGate{ByteClass::all & ~ByteClass::digits,
                                ByteClass::digits | ByteClass::letters | ByteClass::plus | ByteClass::slash |
                                    ByteClass::equals | ByteClass::dash | ByteClass::underscore}) {}
    DetectionKind kind() const override { return DetectionKind::base64; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
