#include "TindrelCore/detectors/Base32Detector.h"

#include "TindrelCore/detectors/DecodedText.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>

namespace tindrel {
namespace {

int base32Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= '2' && c <= '7') return c - '2' + 26;
    return -1;
}

// Letters A-Z and digits 2-7, then at most six "=".
bool isBase32Text(std::string_view t) {
    std::size_t end = t.size();
    while (end > 0 && t[end - 1] == '=' && t.size() - end < 6)
        --end;
    if (end == 0) return false;
    for (std::size_t i = 0; i < end; ++i)
        if (base32Value(t[i]) < 0) return false;
    return true;
}

} // namespace

std::optional<Bytes::Buffer> Base32Detector::base32Decode(std::string_view text) {
    Bytes::Buffer out;
    out.reserve(text.size() * 5 / 8);
    std::uint64_t accumulator = 0;
    int pending = 0;
    for (char c : text) {
        if (c == '=') continue;
        int value = base32Value(c);
        if (value < 0) return std::nullopt;
        accumulator = (accumulator << 5) | std::uint64_t(value);
        pending += 5;
        if (pending >= 8) {
            pending -= 8;
            out += static_cast<char>((accumulator >> pending) & 0xFF);
        }
    }
    return out;
}

std::optional<DecodeResult> Base32Detector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    // The shape test admits only ASCII, where bytes and characters coincide.
    if (!isBase32Text(t) || t.size() < 8) return std::nullopt;
    if (!headMayBeText(t, 0, base32Decode)) return std::nullopt;
    std::optional<Bytes::Buffer> bytes = base32Decode(t);
    if (!bytes) return std::nullopt;
    return decodedTextStep(DetectionKind::base32, "Base32", 0.55, std::move(*bytes));
}

} // namespace tindrel
