#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tindrel {

// One bit per byte of a text for each class of ASCII bytes that the matchers tell apart, so that
// a run of a class is passed over sixty-four bytes at a time instead of one. Non-ASCII bytes are
// in no class.
class ByteMasks {
public:
    enum Class : unsigned char {
        base64, // A-Z a-z 0-9 + / _ -
        word,   // A-Z a-z 0-9 _
    };
    static constexpr std::size_t classCount = 2;

    // The blocks the masks are built from: the widest the processor has, or sixteen bytes, which
    // every x86-64 processor has (and the tests hold the wide ones to).
    enum class Width { widest, sixteen };

    explicit ByteMasks(std::string_view text, Width width = Width::widest);

    bool has(Class byteClass, std::size_t pos) const {
        return (bits_[byteClass][pos / 64] >> (pos % 64) & 1) != 0;
    }
    // The first position at or after `pos` whose byte is in the class, or the text's size.
    std::size_t next(Class byteClass, std::size_t pos) const { return find(byteClass, pos, 0); }
    // The first position at or after `pos` whose byte is not in the class, or the text's size.
    std::size_t runEnd(Class byteClass, std::size_t pos) const {
        return find(byteClass, pos, ~std::uint64_t{0});
    }

    // Hands `each`, in order, the position of every run of the class that is at least `length`
    // (1 to 64) long: a run begins where the byte before is not in the class. Shorter runs cost a
    // few bit operations for sixty-four bytes.
    template <typename Each> void forEachRunStart(Class byteClass, unsigned length, Each each) const {
        const std::vector<std::uint64_t>& bits = bits_[byteClass];
        std::uint64_t before = 0; // the chunk before, whose last bit tells whether a run goes on
        for (std::size_t chunk = 0; chunk < bits.size(); ++chunk) {
            const std::uint64_t here = bits[chunk];
            std::uint64_t starts = here & ~((here << 1) | (before >> 63));
            before = here;
            if (starts == 0) continue;
            starts &= longRuns(here, chunk + 1 < bits.size() ? bits[chunk + 1] : 0, length);
            for (; starts != 0; starts &= starts - 1)
                each(chunk * 64 + static_cast<std::size_t>(std::countr_zero(starts)));
        }
    }

private:
    // The first position at or after `pos` where the class's bits, flipped by `flip`, are set. Most
    // runs end within the sixty-four bits that hold their start.
    std::size_t find(Class byteClass, std::size_t pos, std::uint64_t flip) const {
        if (pos >= size_) return size_;
        std::uint64_t chunk = (bits_[byteClass][pos / 64] ^ flip) >> (pos % 64);
        if (chunk == 0) return findInLaterChunks(byteClass, pos / 64 + 1, flip);
        return std::min(size_, pos + static_cast<std::size_t>(std::countr_zero(chunk)));
    }
    std::size_t findInLaterChunks(Class byteClass, std::size_t index, std::uint64_t flip) const;
    // Bit i set where the `length` bytes from i on, running into `next`, are all in the class.
    // Each step doubles the span a bit covers; a last, overlapping step brings it to `length`.
    static std::uint64_t longRuns(std::uint64_t here, std::uint64_t next, unsigned length) {
        auto cover = [&here, &next](unsigned shift) { // 1 to 32; the two chunks as one 128-bit word
            here &= (here >> shift) | (next << (64 - shift));
            next &= next >> shift;
        };
        unsigned span = 1;
        for (; span * 2 <= length; span *= 2)
            cover(span);
        if (span < length) cover(length - span);
        return here;
    }

    std::size_t size_;
    std::array<std::vector<std::uint64_t>, classCount> bits_;
};

} // namespace tindrel
