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

// The output lengths taken: any below `outputLimit`, or exactly the length a size field promises.
struct Accepted {
    std::size_t most;
    bool exact;

    bool takes(std::size_t length) const { return exact ? length == most : length <= most; }
};

std::optional<Accepted> acceptedFor(std::optional<std::uint64_t> hint) {
    if (!hint || *hint < outputLimit) return Accepted{outputLimit - 1, false};
    if (*hint > vouchedOutputLimit) return std::nullopt;
    return Accepted{std::size_t(*hint), true};
}

// One past the hinted size, so that an accurate hint ends short of the buffer on the first pass. Output
// beyond `outputLimit` has to arrive before a buffer that large is made, so a false size field costs
// little.
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
    const std::optional<Accepted> accepted = acceptedFor(hint);
    if (body.empty() || body.size() > UINT_MAX || !accepted) return std::nullopt;
    RawInflater inflater;
    if (!inflater.ready()) return std::nullopt;
    z_stream& stream = inflater.stream();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    stream.avail_in = uInt(body.size());

    // Never more than one byte past the most accepted: filling that byte means the output is too long.
    const std::size_t largestBuffer = accepted->most + 1;
    Bytes::Buffer out(firstCapacity(body.size(), hint), '\0');
    for (;;) {
        const std::size_t used = stream.total_out;
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + used);
        stream.avail_out = uInt(out.size() - used);
        const int status = ::inflate(&stream, Z_NO_FLUSH);
        if (status == Z_STREAM_END) break;
        if (status != Z_OK && status != Z_BUF_ERROR) return std::nullopt;
        // Room left over means the input ran out before the stream ended.
        if (stream.avail_out > 0 || out.size() >= largestBuffer) return std::nullopt;
        grow(out, out.size(), std::min(out.size() * 4, largestBuffer));
    }
    const std::size_t written = stream.total_out;
    if (written == 0 || !accepted->takes(written)) return std::nullopt;
    out.resize(written);
    return out;
}

} // namespace tindrel::Deflate
