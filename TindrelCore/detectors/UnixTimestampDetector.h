#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// A bare Unix time in seconds (10 digits) or milliseconds (13 digits) between 2001-09-09 and 2100.
class UnixTimestampDetector final : public Detector {
public:
    UnixTimestampDetector()
        : Detector(DetectorGate{0, ByteClass::digits}) {}
    DetectionKind kind() const override { return DetectionKind::unixTimestamp; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
    std::optional<bool> answersConfidently(std::string_view text, double threshold) const override;
    bool alwaysWritable() const override { return true; }
};

} // namespace tindrel
