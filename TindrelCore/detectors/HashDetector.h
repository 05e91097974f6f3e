#pragma once

#include "TindrelCore/model/DecodeModel.h"

namespace tindrel {

// Password hashes in the modular crypt format ("$2b$12$…", "$argon2id$…") and bare hex digests told
// apart by length. A hash cannot be undone, so every result is terminal.
class HashDetector final : public Detector {
public:
    DetectionKind kind() const override { return DetectionKind::hash; }
    std::optional<DecodeResult> decode(std::string_view text) const override;
};

} // namespace tindrel
