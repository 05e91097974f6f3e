#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// A compact JSON Web Token: header facts, claims and expiry; the payload goes on.
class JWTDetector final : public Detector {
public:
    JWTDetector()
        : Detector(DetectorGate{ByteClass::dot}) {}
    DetectionKind kind() const override { return DetectionKind::jwt; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
