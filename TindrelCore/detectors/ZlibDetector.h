#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// A zlib stream (RFC 1950) in Base64, URL-safe Base64 or hex, decompressed when it holds text.
class ZlibDetector final : public Detector {
public:
    DetectionKind kind() const override { return DetectionKind::zlib; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
