#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// A gzip member (RFC 1952) in Base64, URL-safe Base64 or hex, decompressed when it holds text.
class GzipDetector final : public Detector {
public:
    DetectionKind kind() const override { return DetectionKind::gzip; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
