#include "TindrelCore/detectors/Base64Detector.h"

#include "TindrelCore/detectors/DecodedText.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/LiteralSearch.h"
#include "TindrelCore/text/Text.h"

#include <fmt/format.h>

namespace tindrel {
namespace {

bool isDigitsOnly(std::string_view t) {
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace

std::optional<DecodeResult> Base64Detector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    bool urlSafe = findAnyByte<'-', '_'>(t, 0) < t.size();
    if (urlSafe ? !Bytes::isBase64URLText(t) : !Bytes::isBase64Text(t)) return std::nullopt;
    // Text of the alphabet is ASCII without line breaks: each byte is a character of its own.
    if (t.size() < 8) return std::nullopt;
    if (isDigitsOnly(t)) return std::nullopt;
    auto decoder = urlSafe ? &Bytes::base64URLDecode : &Bytes::base64Decode;
    if (!headMayBeText(t, 2, decoder)) return std::nullopt;

    std::optional<Bytes::Buffer> bytes = decoder(t);
    if (!bytes || bytes->empty()) return std::nullopt;
    if (!Text::isValidUTF8(*bytes) || !Text::looksLikePrintableText(*bytes)) return std::nullopt;

    std::string count = std::to_string(bytes->size());
    return DecodeResult{
        urlSafe ? DetectionKind::base64url : DetectionKind::base64,
        std::move(*bytes),
        0.7,
        fmt::format("{} \u2192 {} bytes of text", urlSafe ? "Base64url" : "Base64", count),
        {{"bytes", count}},
        false,
    };
}

} // namespace tindrel
