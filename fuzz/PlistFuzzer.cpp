#include "TindrelCore/detectors/PlistDetector.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

namespace {

// A rendering is UTF-8 text that reads back as an XML property list. (Its root may change: a
// keyed-archive UID, root "value", is written as a one-key dictionary.)
void checkRendering(const tindrel::PlistDetector& detector, const tindrel::DecodeResult& result) {
    if (!tindrel::Text::isValidUTF8(result.output)) __builtin_trap();
    auto again = detector.decode(result.output);
    if (!again || again->details.at("format") != "xml") __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tindrel;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PlistDetector detector;
    // The input both as pasted text and as the bytes of a binary list in a Base64 wrapper.
    if (auto result = detector.decode(Text::sanitizeUTF8(bytes))) checkRendering(detector, *result);
    if (auto result = detector.decode(Bytes::base64Encode(bytes))) checkRendering(detector, *result);
    return 0;
}
