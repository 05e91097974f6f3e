#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// An XML property list pasted as text, or a binary one inside a Base64, URL-safe Base64 or hex
// wrapper, rendered as XML property-list text; terminal.
class PlistDetector final : public Detector {
public:
    DetectionKind kind() const override { return DetectionKind::plist; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
