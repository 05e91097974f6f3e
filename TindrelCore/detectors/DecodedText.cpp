#include "TindrelCore/detectors/DecodedText.h"

#include "TindrelCore/text/Text.h"

#include <fmt/format.h>

namespace tindrel {

std::optional<DecodeResult> decodedTextStep(DetectionKind kind, std::string_view label, double confidence,
                                            Bytes::Buffer bytes) {
    if (bytes.empty() || !Text::isValidUTF8(bytes) || !Text::looksLikePrintableText(bytes))
        return std::nullopt;
    std::string count = std::to_string(bytes.size());
    return DecodeResult{
        kind,
        std::move(bytes),
        confidence,
        fmt::format("{} \u2192 {} bytes of text", label, count),
        {{"bytes", count}},
        false,
    };
}

} // namespace tindrel
