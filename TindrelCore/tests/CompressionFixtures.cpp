#include "CompressionFixtures.h"

#include <zlib.h>

namespace tindrel::fixtures {
namespace {

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Deflates `data` on an open stream with `flush`, appending what comes out.
void pump(z_stream& stream, std::string_view data, int flush, std::string& out) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());
    char chunk[65536];
    do {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        deflate(&stream, flush);
        out.append(chunk, sizeof chunk - stream.avail_out);
    } while (stream.avail_out == 0 || stream.avail_in > 0);
}

struct RawDeflater {
    z_stream stream{};
    RawDeflater() { deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY); }
    ~RawDeflater() { deflateEnd(&stream); }
};

} // namespace

std::string rawDeflate(std::string_view data) {
    RawDeflater deflater;
    std::string out;
    pump(deflater.stream, data, Z_FINISH, out);
    return out;
}

std::string gzipAround(std::string_view deflated, std::uint32_t isize) {
    std::string out("\x1F\x8B\x08\x00\x00\x00\x00\x00\x02\x03", 10);
    out += deflated;
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, isize, 4);
    return out;
}

std::string gzipMember(std::string_view data, const GzipOptions& options) {
    std::uint8_t flags = 0;
    if (!options.extra.empty()) flags |= 4;
    if (!options.name.empty()) flags |= 8;
    if (!options.comment.empty()) flags |= 16;
    if (options.headerCRC) flags |= 2;
    std::string out("\x1F\x8B\x08", 3);
    out += static_cast<char>(flags);
    out += std::string("\x00\x00\x00\x00\x02\x03", 6);
    if (!options.extra.empty()) {
        appendLittleEndian(out, std::uint32_t(options.extra.size()), 2);
        out += options.extra;
    }
    if (!options.name.empty()) out += options.name + '\0';
    if (!options.comment.empty()) out += options.comment + '\0';
    if (options.headerCRC) appendLittleEndian(out, 0xBEEF, 2);
    out += rawDeflate(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(data.data());
    appendLittleEndian(out, options.crc.value_or(std::uint32_t(crc32(0, bytes, uInt(data.size())))), 4);
    appendLittleEndian(out, options.isize.value_or(std::uint32_t(data.size())), 4);
    return out;
}

std::string zlibStream(std::string_view data) {
    std::string out("\x78\xDA", 2);
    out += rawDeflate(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(data.data());
    const auto adler = std::uint32_t(adler32(1, bytes, uInt(data.size())));
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((adler >> shift) & 0xFF);
    return out;
}

std::string repetitiveText(std::size_t size) {
    const std::string_view line = "2024-03-14T12:00:00Z INFO request served path=/api/v1/items took 3 ms\n";
    std::string text;
    text.reserve(size + line.size());
    while (text.size() < size)
        text += line;
    text.resize(size);
    return text;
}

// The first mebibyte starts the window; every further one is the same block of back-references
// into a window of zeros, so it can be repeated as often as wanted.
std::string zeroBomb(std::size_t mebibytes) {
    const std::string zeros(1 << 20, '\0');
    RawDeflater deflater;
    std::string first, repeated, last;
    pump(deflater.stream, zeros, Z_SYNC_FLUSH, first);
    pump(deflater.stream, zeros, Z_SYNC_FLUSH, repeated);
    pump(deflater.stream, {}, Z_FINISH, last);
    std::string out = first;
    out.reserve(first.size() + repeated.size() * mebibytes + last.size());
    for (std::size_t i = 1; i < mebibytes; ++i)
        out += repeated;
    return out + last;
}

} // namespace tindrel::fixtures
