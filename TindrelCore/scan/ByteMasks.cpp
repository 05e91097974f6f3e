#include "TindrelCore/scan/ByteMasks.h"

#include "TindrelCore/scan/ScanMatchers.h"
#include "TindrelCore/scan/WideByteClasses.h"
#include "TindrelCore/text/ByteBlocks.h"
#include "TindrelCore/text/WideSearch.h"

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

// A bit for each of the sixteen bytes at `at` that is in the class, one word per class.
std::array<std::uint32_t, ByteMasks::classCount> classBitsOfBlock(const char* at) {
    using namespace ByteBlocks;
    const Block bytes = load(at);
    auto is = [&bytes](unsigned char byte) { return bytes == every(byte); };
    auto word = inRange(bytes, '0', '9') | inRange(bytes, 'A', 'Z') | inRange(bytes, 'a', 'z') | is('_');
    auto base64 = word | is('+') | is('/') | is('-');
    std::array<std::uint32_t, ByteMasks::classCount> bits{};
    bits[ByteMasks::base64] = bitsOf(base64);
    bits[ByteMasks::word] = bitsOf(word);
    return bits;
}

} // namespace

ByteMasks::ByteMasks(std::string_view text, Width width)
    : size_(text.size()) {
    const std::size_t words = text.size() / 64 + 1; // one more, so a search can stop at the size
    for (std::vector<std::uint64_t>& bits : bits_)
        bits.assign(words, 0);
    std::size_t at = 0;
    if (width == Width::widest && WideSearch::available()) {
        WideByteClasses::classify(text.data(), text.size() / 64, bits_[base64].data(), bits_[word].data());
        at = text.size() / 64 * 64;
    }
    // Each word is gathered from its four blocks and stored once.
    for (; at + 64 <= text.size(); at += 64) {
        std::array<std::uint64_t, classCount> wordBits{};
        for (unsigned block = 0; block < 64 / ByteBlocks::size; ++block) {
            const std::array<std::uint32_t, classCount> blockBits =
                classBitsOfBlock(text.data() + at + block * ByteBlocks::size);
            for (unsigned k = 0; k < classCount; ++k)
                wordBits[k] |= std::uint64_t{blockBits[k]} << (block * ByteBlocks::size);
        }
        for (unsigned k = 0; k < classCount; ++k)
            bits_[k][at / 64] = wordBits[k];
    }
    for (; at < text.size(); ++at) {
        const unsigned char classes = byteClasses[static_cast<unsigned char>(text[at])];
        for (unsigned k = 0; k < classCount; ++k)
            bits_[k][at / 64] |= std::uint64_t{classes >> k & 1u} << (at % 64);
    }
}

std::size_t ByteMasks::findInLaterChunks(Class byteClass, std::size_t index, std::uint64_t flip) const {
    const std::vector<std::uint64_t>& bits = bits_[byteClass];
    for (; index < bits.size(); ++index)
        if (std::uint64_t chunk = bits[index] ^ flip; chunk != 0)
            return std::min(size_, index * 64 + static_cast<std::size_t>(std::countr_zero(chunk)));
    return size_;
}

} // namespace tindrel
