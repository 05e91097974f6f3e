#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Form-encoded key=value pairs, listed sorted by key; an OAuth `error` code is explained. Terminal.
class QueryStringDetector final : public Detector {
public:
    QueryStringDetector()
        : Detector(DetectorGate{ByteClass::ampersand}) {}
    DetectionKind kind() const override { return DetectionKind::queryString; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
