#include "TindrelCore/detectors/GzipDetector.h"

#include "TindrelCore/detectors/CompressedPayload.h"
#include "TindrelCore/formats/Deflate.h"

namespace tindrel {

std::optional<DecodeResult> GzipDetector::decode(std::string_view text) const {
    if (!Bytes::mayBeginWith(text, Deflate::gzipLeadLength, Deflate::beginsGzip)) return std::nullopt;
    for (Bytes::Wrapped& reading : CompressedPayload::readings(text)) {
        std::optional<Deflate::GzipMember> member = Deflate::stripGzip(reading.data);
        if (!member) continue;
        // The size field is the length modulo 2^32, so the true length is at least the field: a member
        // claiming the limit or more would be refused after inflating anyway.
        if (member->isize >= Deflate::outputLimit) return std::nullopt;
        std::optional<std::uint64_t> hint;
        if (member->isize > 0) hint = member->isize;
        return CompressedPayload::textStep(kind(), 0.92, reading.wrapper,
                                           Deflate::inflate(member->body, hint));
    }
    return std::nullopt;
}

} // namespace tindrel
