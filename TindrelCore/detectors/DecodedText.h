#pragma once

#include "TindrelCore/Bytes.h"
#include "TindrelCore/DecodeModel.h"

#include <string_view>

namespace tindrel {

// The non-terminal step of a binary-to-text encoding whose bytes read as text, summarised as
// "<label> → N bytes of text". Nothing when the bytes are empty, not UTF-8 or mostly control
// characters: binary payloads belong to the detectors that read them through their wrapper.
std::optional<DecodeResult> decodedTextStep(DetectionKind kind, std::string_view label, double confidence,
                                            Bytes::Buffer bytes);

} // namespace tindrel
