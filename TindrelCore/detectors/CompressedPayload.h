#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/text/Bytes.h"

#include <vector>

// What the gzip and zlib detectors share: reaching the bytes inside a textual wrapper and turning
// decompressed bytes into a step.
namespace tindrel::CompressedPayload {

// The readings of `text` to try, best first: what Bytes::fromWrapper finds, then, for an even run
// of hex digits that it read as Base64, the hex reading. Every such run is also valid Base64, so
// without the second reading a stream given in hex would never be reached.
std::vector<Bytes::Wrapped> readings(std::string_view text);

// A step for decompressed bytes that are readable text; nothing otherwise.
std::optional<DecodeResult> textStep(DetectionKind kind, double confidence, const std::string& wrapper,
                                     std::optional<Bytes::Buffer> inflated);

} // namespace tindrel::CompressedPayload
