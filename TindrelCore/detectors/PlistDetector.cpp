#include "TindrelCore/detectors/PlistDetector.h"

#include "TindrelCore/formats/PlistTree.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Text.h"

#include <fmt/format.h>

namespace tindrel {
namespace {

constexpr std::string_view binaryMagic = "bplist";

bool namesPlist(std::string_view t) {
    return t.find("<plist") != std::string_view::npos || t.find("<!DOCTYPE plist") != std::string_view::npos;
}

// Hex digits are Base64 characters too, so the wrapper reading takes an even run of hex digits
// as Base64 and never reaches "hex"; a hex reading is tried when the Base64 bytes are not a list.
std::optional<Bytes::Wrapped> binaryPlistBytes(std::string_view t) {
    auto isBinaryList = [](std::string_view lead) { return lead == binaryMagic; };
    if (!Bytes::mayBeginWith(t, binaryMagic.size(), isBinaryList)) return std::nullopt;
    std::optional<Bytes::Wrapped> wrapped = Bytes::fromWrapper(t);
    if (wrapped && wrapped->data.starts_with(binaryMagic)) return wrapped;
    if (!Bytes::isHexText(t)) return std::nullopt;
    std::optional<Bytes::Buffer> data = Bytes::hex(t);
    if (!data || !data->starts_with(binaryMagic)) return std::nullopt;
    return Bytes::Wrapped{std::move(*data), "hex"};
}

std::optional<DecodeResult> parse(std::string_view bytes, std::string_view format,
                                  std::optional<std::string_view> wrapper) {
    std::optional<PlistTree::Rendering> rendering = PlistTree::renderXML(bytes);
    if (!rendering || !Text::isValidUTF8(rendering->xml)) return std::nullopt;
    Details details{{"format", std::string(format)}, {"root", rendering->root}};
    std::string carried;
    if (wrapper) {
        details["wrapper"] = std::string(*wrapper);
        carried = fmt::format(" ({})", *wrapper);
    }
    return DecodeResult{
        DetectionKind::plist,
        std::move(rendering->xml),
        0.95,
        fmt::format("{} property list{} \u2014 root {}", format, carried, rendering->root),
        std::move(details),
        true,
    };
}

} // namespace

std::optional<DecodeResult> PlistDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    if (namesPlist(t)) return parse(t, "xml", std::nullopt);
    std::optional<Bytes::Wrapped> wrapped = binaryPlistBytes(t);
    if (!wrapped) return std::nullopt;
    return parse(wrapped->data, "binary", wrapped->wrapper);
}

} // namespace tindrel
