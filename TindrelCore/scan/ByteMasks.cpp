#include "TindrelCore/scan/ByteMasks.h"

#include "TindrelCore/scan/ScanMatchers.h"
#include "TindrelCore/text/ByteBlocks.h"

#include <cstring>

namespace tindrel {
namespace {

constexpr ScanMatchers::ByteSet classSets[ByteMasks::classCount] = {
    ScanMatchers::ByteSet("A-Za-z0-9+/_-"),
    ScanMatchers::ByteSet("A-Za-z0-9_"),
};

// Each byte's classes, bit k for class k.
constexpr std::array<unsigned char, 256> classesOfBytes() {
    std::array<unsigned char, 256> classes{};
    for (std::size_t byte = 0; byte < classes.size(); ++byte)
        for (std::size_t k = 0; k < ByteMasks::classCount; ++k)
            if (classSets[k].contains(static_cast<unsigned char>(byte)))
                classes[byte] = static_cast<unsigned char>(classes[byte] | 1u << k);
    return classes;
}

constexpr std::array<unsigned char, 256> byteClasses = classesOfBytes();

// The classes of the sixteen bytes at `at`, a byte each as in byteClasses, found sixteen at a time.
void classesOfBlock(const unsigned char* at, std::uint64_t lanes[2]) {
    using namespace ByteBlocks;
    const Block bytes = load(reinterpret_cast<const char*>(at));
    auto within = [&bytes](unsigned char low, unsigned char high) {
        return (bytes >= every(low)) & (bytes <= every(high));
    };
    auto is = [&bytes](unsigned char byte) { return bytes == every(byte); };
    auto word = within('0', '9') | within('A', 'Z') | within('a', 'z') | is('_');
    auto base64 = word | is('+') | is('/') | is('-');
    Block classes = (reinterpret_cast<Block&>(base64) & every(1u << ByteMasks::base64)) |
                    (reinterpret_cast<Block&>(word) & every(1u << ByteMasks::word));
    halvesOf(classes, lanes);
}

} // namespace

ByteMasks::ByteMasks(std::string_view text)
    : size_(text.size()) {
    const std::size_t words = text.size() / 64 + 1; // one more, so a search can stop at the size
    for (std::vector<std::uint64_t>& bits : bits_)
        bits.assign(words, 0);
    auto bytes = reinterpret_cast<const unsigned char*>(text.data());
    auto add = [this](std::size_t at, std::uint64_t lanes) {
        for (unsigned k = 0; k < classCount; ++k)
            bits_[k][at / 64] |= std::uint64_t{ByteBlocks::lowBitsOf(lanes >> k)} << (at % 64);
    };
    std::size_t at = 0;
    for (; at + 16 <= text.size(); at += 16) {
        std::uint64_t lanes[2];
        classesOfBlock(bytes + at, lanes);
        add(at, lanes[0]);
        add(at + 8, lanes[1]);
    }
    for (; at < text.size(); at += 8) {
        std::size_t taken = std::min<std::size_t>(8, text.size() - at);
        std::uint64_t lanes = 0; // a lane past the text stays zero, which is in no class
        for (std::size_t i = 0; i < taken; ++i)
            lanes |= std::uint64_t{byteClasses[bytes[at + i]]} << (8 * i);
        add(at, lanes);
    }
}

std::size_t ByteMasks::findInLaterChunks(Class byteClass, std::size_t index, std::uint64_t flip) const {
    const std::vector<std::uint64_t>& bits = bits_[byteClass];
    for (; index < bits.size(); ++index)
        if (std::uint64_t chunk = bits[index] ^ flip; chunk != 0)
            return std::min(size_, index * 64 + static_cast<std::size_t>(std::countr_zero(chunk)));
    return size_;
}

// A run begins where the byte before is not in the class; it is long enough where the next
// `length` - 1 bytes, reaching into the next chunk, are in it too.
std::uint64_t ByteMasks::runStarts(Class byteClass, std::size_t chunk, unsigned length) const {
    const std::vector<std::uint64_t>& bits = bits_[byteClass];
    const std::uint64_t here = bits[chunk];
    const std::uint64_t next = chunk + 1 < bits.size() ? bits[chunk + 1] : 0;
    const std::uint64_t carried = chunk > 0 ? bits[chunk - 1] >> 63 : 0;
    std::uint64_t longEnough = here & ~((here << 1) | carried);
    for (unsigned shift = 1; shift < length && longEnough != 0; ++shift)
        longEnough &= (here >> shift) | (next << (64 - shift));
    return longEnough;
}

} // namespace tindrel
