#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// HTML/XML character references (&amp;, &#65;, &#x41;) inside ordinary text, decoded one level.
class HTMLEntitiesDetector final : public Detector {
public:
    HTMLEntitiesDetector()
        : Detector(DetectorGate{ByteClass::ampersand}) {}
    DetectionKind kind() const override { return DetectionKind::htmlEntities; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
