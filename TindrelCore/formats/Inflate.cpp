#include "TindrelCore/formats/Deflate.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <zlib.h>

namespace tindrel::Deflate {
namespace {

// No DEFLATE stream expands by more than this, so a size field beyond it cannot be true.
constexpr std::uint64_t maximumExpansion = 1032;
constexpr std::size_t smallestBuffer = 64;

// One past the hinted size, so that an accurate hint ends short of the buffer on the first pass.
std::size_t firstCapacity(std::size_t bodySize, std::optional<std::uint64_t> hint) {
    std::uint64_t wanted = hint.value_or(0);
    wanted = std::min<std::uint64_t>(wanted, bodySize * maximumExpansion) + 1;
    return std::size_t(std::clamp<std::uint64_t>(wanted, smallestBuffer, outputLimit));
}

// A new buffer of exactly `capacity` bytes holding the first `used` bytes of `out`.
void grow(Bytes::Buffer& out, std::size_t used, std::size_t capacity) {
    Bytes::Buffer bigger(capacity, '\0');
    std::memcpy(bigger.data(), out.data(), used);
    out.swap(bigger);
}

class RawInflater {
public:
    RawInflater() { ready_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK; }
    ~RawInflater() {
        if (ready_) inflateEnd(&stream_);
    }
    RawInflater(const RawInflater&) = delete;
    RawInflater& operator=(const RawInflater&) = delete;

    bool ready() const { return ready_; }
    z_stream& stream() { return stream_; }

private:
    z_stream stream_{};
    bool ready_ = false;
};

} // namespace

std::optional<Bytes::Buffer> inflate(std::string_view body, std::optional<std::uint64_t> hint) {
    if (body.empty() || body.size() > UINT_MAX) return std::nullopt;
    RawInflater inflater;
    if (!inflater.ready()) return std::nullopt;
    z_stream& stream = inflater.stream();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    stream.avail_in = uInt(body.size());

    Bytes::Buffer out(firstCapacity(body.size(), hint), '\0');
    for (;;) {
        const std::size_t used = stream.total_out;
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + used);
        stream.avail_out = uInt(out.size() - used);
        const int status = ::inflate(&stream, Z_NO_FLUSH);
        if (status == Z_STREAM_END) break;
        if (status != Z_OK && status != Z_BUF_ERROR) return std::nullopt;
        // Room left over means the input ran out before the stream ended.
        if (stream.avail_out > 0 || out.size() >= outputLimit) return std::nullopt;
        grow(out, out.size(), std::min(out.size() * 4, outputLimit));
    }
    const std::size_t written = stream.total_out;
    if (written == 0 || written >= outputLimit) return std::nullopt;
    out.resize(written);
    return out;
}

} // namespace tindrel::Deflate
