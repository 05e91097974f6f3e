#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// The first PEM block: certificate facts for a readable X.509 certificate, label and size for
// anything else; terminal.
class PEMDetector final : public Detector {
public:
    PEMDetector()
        : Detector(DetectorGate{ByteClass::dash}) {}
    DetectionKind kind() const override { return DetectionKind::pem; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
