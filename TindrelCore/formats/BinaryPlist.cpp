#include "TindrelCore/formats/BinaryPlist.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace tindrel::BinaryPlist {
namespace {

constexpr std::size_t headerSize = 8;
constexpr std::size_t trailerSize = 32;
constexpr std::uint64_t objectWeight = 256;

std::uint64_t readBigEndian(std::string_view b, std::size_t pos, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | std::uint8_t(b[pos + i]);
    return value;
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

std::uint64_t saturatingMultiply(std::uint64_t a, std::uint64_t b) {
    return b != 0 && a > UINT64_MAX / b ? UINT64_MAX : a * b;
}

struct Trailer {
    std::size_t offsetSize;
    std::size_t refSize;
    std::uint64_t count;
    std::uint64_t top;
    std::size_t tableOffset; // the end of the object data
};

std::optional<Trailer> readTrailer(std::string_view b) {
    if (b.size() < headerSize + trailerSize) return std::nullopt;
    std::size_t at = b.size() - trailerSize;
    Trailer t{std::uint8_t(b[at + 6]), std::uint8_t(b[at + 7]), readBigEndian(b, at + 8, 8),
              readBigEndian(b, at + 16, 8), 0};
    std::uint64_t tableOffset = readBigEndian(b, at + 24, 8);
    if (t.offsetSize < 1 || t.offsetSize > 8 || t.refSize < 1 || t.refSize > 8) return std::nullopt;
    if (t.count == 0 || t.top >= t.count) return std::nullopt;
    if (tableOffset < headerSize || tableOffset > at) return std::nullopt;
    t.tableOffset = std::size_t(tableOffset);
    if (t.count > (at - t.tableOffset) / t.offsetSize) return std::nullopt;
    return t;
}

struct Object {
    std::size_t refsAt = 0;
    std::uint64_t refCount = 0; // references to other objects (keys and values for a dictionary)
    std::uint64_t payload = 0;  // bytes a reader copies out for a leaf
};

// The length of a data, string or container object: in the marker's low nibble, or in an integer
// object that follows the marker.
std::optional<std::uint64_t> readLength(std::string_view b, std::size_t& pos, unsigned nibble,
                                        std::size_t end) {
    if (nibble != 0xF) return nibble;
    if (pos >= end || (std::uint8_t(b[pos]) >> 4) != 0x1) return std::nullopt;
    unsigned exponent = std::uint8_t(b[pos]) & 0xF;
    if (exponent > 3) return std::nullopt;
    std::size_t width = std::size_t(1) << exponent;
    if (pos + 1 + width > end) return std::nullopt;
    std::uint64_t length = readBigEndian(b, pos + 1, width);
    pos += 1 + width;
    return length;
}

std::optional<Object> readObject(std::string_view b, const Trailer& t, std::uint64_t index) {
    std::uint64_t offset = readBigEndian(b, t.tableOffset + std::size_t(index) * t.offsetSize, t.offsetSize);
    if (offset < headerSize || offset >= t.tableOffset) return std::nullopt;
    std::size_t pos = std::size_t(offset);
    unsigned type = std::uint8_t(b[pos]) >> 4;
    unsigned nibble = std::uint8_t(b[pos]) & 0xF;
    ++pos;
    Object object;
    if (type == 0xA || type == 0xC || type == 0xD) {
        std::optional<std::uint64_t> length = readLength(b, pos, nibble, t.tableOffset);
        if (!length) return std::nullopt;
        object.refCount = saturatingMultiply(*length, type == 0xD ? 2 : 1);
        if (object.refCount > (t.tableOffset - pos) / t.refSize) return std::nullopt;
        object.refsAt = pos;
    } else if (type >= 0x4 && type <= 0x7) {
        std::optional<std::uint64_t> length = readLength(b, pos, nibble, t.tableOffset);
        if (!length) return std::nullopt;
        // Data grows by a third in Base64, UTF-16 by up to half in UTF-8; twice covers both.
        object.payload = saturatingMultiply(*length, 2);
    }
    return object;
}

struct Frame {
    std::uint64_t index;
    Object object;
    std::uint64_t next = 0;
    std::uint64_t weight = 0;
    std::size_t height = 0; // tallest finished child
};

enum class State : std::uint8_t { unseen, open, done };

class Walk {
public:
    Walk(std::string_view b, const Trailer& t, std::size_t maxDepth, std::uint64_t budget)
        : b_(b)
        , t_(t)
        , maxDepth_(maxDepth)
        , budget_(budget)
        , state_(t.count, State::unseen)
        , weight_(t.count)
        , height_(t.count) {}

    bool run() {
        if (!open(t_.top)) return false;
        while (!stack_.empty()) {
            Frame& frame = stack_.back();
            if (frame.next < frame.object.refCount) {
                if (!visitChild(frame)) return false;
            } else if (!close()) {
                return false;
            }
        }
        return true;
    }

private:
    bool open(std::uint64_t index) {
        if (stack_.size() >= maxDepth_) return false;
        std::optional<Object> object = readObject(b_, t_, index);
        if (!object) return false;
        state_[index] = State::open;
        stack_.push_back({index, *object});
        return true;
    }

    bool visitChild(Frame& frame) {
        std::size_t at = frame.object.refsAt + std::size_t(frame.next) * t_.refSize;
        std::uint64_t child = readBigEndian(b_, at, t_.refSize);
        ++frame.next;
        if (child >= t_.count || state_[child] == State::open) return false;
        if (state_[child] == State::unseen) return open(child);
        if (stack_.size() + height_[child] > maxDepth_) return false;
        return addChild(frame, weight_[child], height_[child]);
    }

    bool addChild(Frame& frame, std::uint64_t weight, std::size_t height) {
        frame.weight = saturatingAdd(frame.weight, weight);
        frame.height = std::max(frame.height, height);
        return frame.weight <= budget_;
    }

    bool close() {
        Frame frame = stack_.back();
        stack_.pop_back();
        std::uint64_t weight = saturatingAdd(objectWeight, saturatingAdd(frame.weight, frame.object.payload));
        state_[frame.index] = State::done;
        weight_[frame.index] = weight;
        height_[frame.index] = frame.height + 1;
        if (stack_.empty()) return weight <= budget_;
        return addChild(stack_.back(), weight, frame.height + 1);
    }

    std::string_view b_;
    const Trailer& t_;
    std::size_t maxDepth_;
    std::uint64_t budget_;
    std::vector<State> state_;
    std::vector<std::uint64_t> weight_;
    std::vector<std::size_t> height_;
    std::vector<Frame> stack_;
};

} // namespace

bool isBoundedForReading(std::string_view bytes, std::size_t maxDepth, std::size_t budget) {
    std::optional<Trailer> trailer = readTrailer(bytes);
    if (!trailer) return false;
    return Walk(bytes, *trailer, maxDepth, budget).run();
}

} // namespace tindrel::BinaryPlist
