#include "TindrelCore/detectors/GzipDetector.h"

#include "TindrelCore/detectors/CompressedPayload.h"
#include "TindrelCore/formats/Deflate.h"

namespace tindrel {

std::optional<DecodeResult> GzipDetector::decode(std::string_view text) const {
    if (!Bytes::mayBeginWith(text, Deflate::gzipLeadLength, Deflate::beginsGzip)) return std::nullopt;
    for (Bytes::Wrapped& reading : CompressedPayload::readings(text)) {
        std::optional<Deflate::GzipMember> member = Deflate::stripGzip(reading.data);
        if (!member) continue;
        // The size field is the length modulo 2^32; any length it could stand for beyond the field
        // itself is far past what a size field may vouch for, so inflate takes it as the length.
        std::optional<std::uint64_t> hint;
        if (member->isize > 0) hint = member->isize;
        return CompressedPayload::textStep(kind(), 0.92, reading.wrapper,
                                           Deflate::inflate(member->body, hint));
    }
    return std::nullopt;
}

} // namespace tindrel
