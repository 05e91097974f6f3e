#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/text/Bytes.h"

#include <cstddef>

namespace tindrel {

// Base58 (the Bitcoin alphabet, without 0, O, I and l) whose bytes are readable text.
class Base58Detector final : public Detector {
public:
    Base58Detector()
        : Detector(DetectorGate{ByteClass::letters, ByteClass::digits | ByteClass::letters}) {}
    // Decoding is big-number arithmetic, quadratic in the length. Real Base58 payloads (addresses,
    // keys, signatures, content ids, serialized transactions) stay below two thousand characters;
    // longer texts are refused so that a megabyte of Base58-looking text costs one scan.
    static constexpr std::size_t maxLength = 8192;

    DetectionKind kind() const override { return DetectionKind::base58; }
    std::optional<DecodeResult> decode(std::string_view text) const override;

    // Big-endian bytes of the number the text spells, each leading "1" giving one leading zero
    // byte. Nothing for a character outside the alphabet. Quadratic: callers bound the length.
    static std::optional<Bytes::Buffer> base58Decode(std::string_view text);

private:
    static const std::string_view alphabet;
};

} // namespace tindrel
