#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/text/Bytes.h"

namespace tindrel {

// RFC 4648 Base32 (upper-case alphabet) whose bytes are readable text.
class Base32Detector final : public Detector {
public:
    Base32Detector()
        : Detector(DetectorGate{0, ByteClass::hexUpper | ByteClass::upperRest | ByteClass::digit2to7 |
                                       ByteClass::equals}) {}
    DetectionKind kind() const override { return DetectionKind::base32; }
    std::optional<DecodeResult> decode(std::string_view text) const override;

    // Lenient about padding: "=" is skipped wherever it stands and bits short of a byte are dropped.
    // Nothing for any character outside the alphabet (lower case included).
    static std::optional<Bytes::Buffer> base32Decode(std::string_view text);
};

} // namespace tindrel
