#include "TindrelCore/detectors/ZlibDetector.h"

#include "TindrelCore/detectors/CompressedPayload.h"
#include "TindrelCore/formats/Deflate.h"

namespace tindrel {

std::optional<DecodeResult> ZlibDetector::decode(std::string_view text) const {
    if (!Bytes::mayBeginWith(text, Deflate::zlibLeadLength, Deflate::beginsZlib)) return std::nullopt;
    for (Bytes::Wrapped& reading : CompressedPayload::readings(text)) {
        std::optional<Bytes::Buffer> body = Deflate::stripZlib(reading.data);
        if (!body) continue;
        return CompressedPayload::textStep(kind(), 0.88, reading.wrapper, Deflate::inflate(*body));
    }
    return std::nullopt;
}

} // namespace tindrel
