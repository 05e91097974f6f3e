#include "TindrelCore/detectors/HexDetector.h"

#include "TindrelCore/detectors/DecodedText.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Text.h"

namespace tindrel {

std::optional<DecodeResult> HexDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    if (t.starts_with("0x") || t.starts_with("0X")) t.remove_prefix(2);
    // Hex digits are ASCII, so once they match, bytes and characters coincide.
    if (!Bytes::isHexText(t) || t.size() < 8 || t.size() % 2 != 0) return std::nullopt;
    if (!headMayBeText(t, 0, Bytes::hex)) return std::nullopt;
    std::optional<Bytes::Buffer> bytes = Bytes::hex(t);
    if (!bytes) return std::nullopt;
    return decodedTextStep(DetectionKind::hex, "Hex", 0.6, std::move(*bytes));
}

} // namespace tindrel
