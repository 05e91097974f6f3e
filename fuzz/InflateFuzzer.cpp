#include "TindrelCore/formats/Deflate.h"

#include <cstdint>
#include <string_view>

// The input is taken as a raw DEFLATE body and, when it parses as one, as a gzip member whose size
// field becomes the hint.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)tindrel::Deflate::inflate(bytes);
    if (auto member = tindrel::Deflate::stripGzip(bytes))
        (void)tindrel::Deflate::inflate(member->body, member->isize);
    if (auto body = tindrel::Deflate::stripZlib(bytes)) (void)tindrel::Deflate::inflate(*body);
    return 0;
}
