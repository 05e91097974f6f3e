#include "TindrelCore/detectors/CompressedPayload.h"

#include "TindrelCore/text/Text.h"

namespace tindrel::CompressedPayload {

std::vector<Bytes::Wrapped> readings(std::string_view text) {
    std::vector<Bytes::Wrapped> found;
    std::optional<Bytes::Wrapped> wrapped = Bytes::fromWrapper(text);
    if (!wrapped) return found;
    const bool hexAlready = wrapped->wrapper == "hex";
    found.push_back(std::move(*wrapped));
    std::string_view trimmed = Text::trim(text);
    if (!hexAlready && Bytes::isHexText(trimmed))
        if (auto bytes = Bytes::hex(trimmed)) found.push_back({std::move(*bytes), "hex"});
    return found;
}

std::optional<DecodeResult> textStep(DetectionKind kind, double confidence, const std::string& wrapper,
                                     std::optional<Bytes::Buffer> inflated) {
    if (!inflated || !Text::isValidUTF8(*inflated) || !Text::looksLikePrintableText(*inflated))
        return std::nullopt;
    const std::string name(detection_kind::rawValue(kind));
    const std::string count = std::to_string(inflated->size());
    return DecodeResult{kind,
                        std::move(*inflated),
                        confidence,
                        name + " (" + wrapper + ") \u2192 " + count + " bytes",
                        {{"wrapper", wrapper}, {"bytes", count}},
                        false};
}

} // namespace tindrel::CompressedPayload
