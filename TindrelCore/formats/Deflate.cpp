#include "TindrelCore/formats/Deflate.h"

namespace tindrel::Deflate {
namespace {

constexpr std::uint8_t flagExtra = 4;
constexpr std::uint8_t flagName = 8;
constexpr std::uint8_t flagComment = 16;
constexpr std::uint8_t flagHeaderCRC = 2;

std::uint8_t byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

// Just past the zero byte that ends a name or comment starting at `pos`.
std::size_t skipZeroTerminated(std::string_view bytes, std::size_t pos) {
    if (pos >= bytes.size()) return pos + 1;
    std::size_t zero = bytes.find('\0', pos);
    return (zero == std::string_view::npos ? bytes.size() : zero) + 1;
}

} // namespace

bool beginsGzip(std::string_view bytes) {
    return bytes.size() >= gzipLeadLength && byteAt(bytes, 0) == 0x1F && byteAt(bytes, 1) == 0x8B &&
           byteAt(bytes, 2) == 8;
}

bool beginsZlib(std::string_view bytes) {
    if (bytes.size() < zlibLeadLength) return false;
    const std::uint8_t cmf = byteAt(bytes, 0);
    const std::uint8_t flg = byteAt(bytes, 1);
    const bool deflate = (cmf & 0x0F) == 8;
    const bool checked = (cmf * 256 + flg) % 31 == 0;
    const bool presetDictionary = flg & 0x20;
    return deflate && checked && !presetDictionary;
}

std::optional<GzipMember> stripGzip(std::string_view bytes) {
    const std::size_t count = bytes.size();
    if (count < 18 || !beginsGzip(bytes)) return std::nullopt;
    const std::uint8_t flags = byteAt(bytes, 3);
    std::size_t pos = 10;
    if (flags & flagExtra) pos = 12 + (std::size_t(byteAt(bytes, 10)) | std::size_t(byteAt(bytes, 11)) << 8);
    if (flags & flagName) pos = skipZeroTerminated(bytes, pos);
    if (flags & flagComment) pos = skipZeroTerminated(bytes, pos);
    if (flags & flagHeaderCRC) pos += 2;
    if (pos + 8 > count) return std::nullopt;

    std::uint32_t isize = 0;
    for (std::size_t i = 0; i < 4; ++i)
        isize |= std::uint32_t(byteAt(bytes, count - 4 + i)) << (8 * i);
    return GzipMember{Bytes::Buffer(bytes.substr(pos, count - 8 - pos)), isize};
}

std::optional<Bytes::Buffer> stripZlib(std::string_view bytes) {
    if (bytes.size() < 6 || !beginsZlib(bytes)) return std::nullopt;
    return Bytes::Buffer(bytes.substr(2, bytes.size() - 6));
}

} // namespace tindrel::Deflate
