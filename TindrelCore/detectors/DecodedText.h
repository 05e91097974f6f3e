#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <string_view>

namespace tindrel {

// The non-terminal step of a binary-to-text encoding whose bytes read as text, summarised as
// "<label> → N bytes of text". Nothing when the bytes are empty, not UTF-8 or mostly control
// characters: binary payloads belong to the detectors that read them through their wrapper.
std::optional<DecodeResult> decodedTextStep(DetectionKind kind, std::string_view label, double confidence,
                                            Bytes::Buffer bytes);

// Random bytes stop being UTF-8 within their first few bytes, so the decoded head of a text rules
// most binary payloads out before the whole is decoded: a digest or a UUID read as Base64 mostly
// fails in its first eight characters. `decode` must read the head as the prefix of the whole
// text it is, and fail wherever the whole would: the last `margin` characters, which alone may be
// padding, are kept out of the head for that. Eight characters are whole groups of Base32, Base64
// and hex alike; a text less than twice that is decoded whole at hardly more cost.
template <typename Decode> bool headMayBeText(std::string_view t, std::size_t margin, Decode decode) {
    constexpr std::size_t longHead = 4096, shortHead = 8;
    const std::size_t headLength = t.size() >= longHead + margin ? longHead : shortHead;
    if (t.size() < std::max(headLength, 2 * shortHead) + margin) return true;
    std::optional<Bytes::Buffer> head = decode(t.substr(0, headLength));
    return head && Text::beginsValidUTF8(*head);
}

} // namespace tindrel
