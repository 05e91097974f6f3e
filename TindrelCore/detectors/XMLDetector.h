#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Any well-formed XML document other than a property list, pretty-printed; terminal.
class XMLDetector final : public Detector {
public:
    XMLDetector()
        : Detector(DetectorGate{ByteClass::lessThan}) {}
    DetectionKind kind() const override { return DetectionKind::xml; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
