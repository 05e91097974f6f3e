#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Percent-encoded text (URL encoding); the decoded text is decoded further.
class URLEncodingDetector final : public Detector {
public:
    URLEncodingDetector()
        : Detector(DetectorGate{ByteClass::percent}) {}
    DetectionKind kind() const override { return DetectionKind::url; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
