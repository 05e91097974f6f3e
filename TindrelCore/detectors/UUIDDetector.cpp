#include "TindrelCore/detectors/UUIDDetector.h"

#include "TindrelCore/text/HexDigit.h"
#include "TindrelCore/text/Text.h"

namespace tindrel {
namespace {

constexpr std::size_t uuidLength = 36;
constexpr std::size_t versionPosition = 14; // first digit of the third group

bool isDashPosition(std::size_t i) {
    return i == 8 || i == 13 || i == 18 || i == 23;
}

bool isCanonicalUUID(std::string_view t) {
    if (t.size() != uuidLength) return false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        bool ok = isDashPosition(i) ? t[i] == '-' : hexDigitValue(t[i]) >= 0;
        if (!ok) return false;
    }
    return true;
}

} // namespace

std::optional<DecodeResult> UUIDDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    if (!isCanonicalUUID(t)) return std::nullopt;
    // Variant bits are not checked: every version digit, the nil UUID's 0 included, is reported.
    std::string version(1, t[versionPosition]);
    return DecodeResult{
        DetectionKind::uuid,
        lowercasedHex(t),
        0.96,
        "UUID (version " + version + ")",
        {{"version", version}},
        true,
    };
}

} // namespace tindrel
