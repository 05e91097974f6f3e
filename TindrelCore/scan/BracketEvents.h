#pragma once

#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/text/ByteBlocks.h"
#include "TindrelCore/text/LiteralSearch.h"

#include <bit>
#include <cstdint>
#include <optional>

namespace tindrel::BracketEvents {

inline bool isOpener(unsigned char byte) {
    return byte == '{' || byte == '[';
}
inline bool isCloser(unsigned char byte) {
    return byte == '}' || byte == ']';
}

// The first event at or after `pos`, or the text's size: a bracket, a double quote or a backslash,
// what moves the balanced-bracket walk. A bracket or quote that a combining mark joins into a
// larger character is no event: the walk reads whole characters.
inline std::size_t next(const ScanText& text, std::size_t pos) {
    for (;; ++pos) {
        pos = findAnyByte<'{', '[', '}', ']', '"', '\\'>(text.text(), pos);
        if (pos == text.size() || text.isASCII() || text.isStandalone(pos)) return pos;
    }
}

// The balanced-bracket walk from the event at `pos` on, with `depth` brackets open, outside a
// string, the event before at `previous`: the position of the bracket that brings the depth to
// zero, if the text has one. `events.next(pos)` finds the text's events. Written out where it is
// used, as the span walk calls it for every span: a span of a few bytes costs little more than the
// call would.
template <typename Events>
[[gnu::always_inline]] inline std::optional<std::size_t>
balancedFrom(const ScanText& text, Events& events, std::size_t pos, long depth, std::size_t previous) {
    bool inString = false;
    bool escaped = false;
    for (; pos < text.size(); previous = pos, pos = events.next(pos + 1)) {
        unsigned char byte = text.byte(pos);
        if (inString) {
            if (escaped) {
                escaped = false;
                if (pos == previous + 1) continue; // this is the escaped character
            }
            if (byte == '\\') escaped = true;
            if (byte == '"') inString = false;
        } else if (byte == '"') {
            inString = true;
        } else if (isOpener(byte)) {
            ++depth;
        } else if (isCloser(byte) && --depth == 0) {
            return pos;
        }
    }
    return std::nullopt;
}

// The position of the bracket that balances the opening bracket at `open`, if the text has one.
template <typename Events>
std::optional<std::size_t> balancedEnd(const ScanText& text, Events& events, std::size_t open) {
    return balancedFrom(text, events, events.next(open), 0, open);
}

// The same for an opening bracket that is an event of its own, as those the span walk finds are.
template <typename Events>
[[gnu::always_inline]] inline std::optional<std::size_t>
balancedEndOfEvent(const ScanText& text, Events& events, std::size_t open) {
    return balancedFrom(text, events, events.next(open + 1), 1, open);
}

// The events of an ASCII text, read a block at a time: a text dense with short spans asks for the
// next event many times within a few bytes, and one mask of its block answers them all. Opening
// brackets, which the walk looks for through the text between spans, have masks of their own,
// made with a third of the comparisons.
class ASCIIEvents {
public:
    explicit ASCIIEvents(std::string_view text)
        : text_(text) {}

    std::size_t next(std::size_t pos) { return nextIn<'{', '[', '}', ']', '"', '\\'>(pos, events_); }
    std::size_t nextOpener(std::size_t pos) { return nextIn<'{', '['>(pos, openers_); }

private:
    static constexpr std::size_t blockBytes = ByteBlocks::size;
    // The mask of one block, bit i set where byte i of the block is one of those looked for.
    struct Mask {
        std::size_t block = SIZE_MAX;
        std::uint32_t bits = 0;
    };

    // Blocks passed over on the way to the next match are not kept: through text without a match
    // the search costs what a plain search does.
    template <unsigned char... Bytes> std::size_t nextIn(std::size_t pos, Mask& mask) {
        std::size_t block = pos - pos % blockBytes;
        if (block != mask.block) {
            if (pos >= text_.size()) return text_.size();
            mask = {block, bitsAt<Bytes...>(block)};
        }
        if (const std::uint32_t ahead = mask.bits >> (pos - block); ahead != 0)
            return pos + static_cast<std::size_t>(std::countr_zero(ahead));
        for (block += blockBytes; block + blockBytes <= text_.size(); block += blockBytes)
            if (const std::uint32_t bits =
                    ByteBlocks::bitsOfAny<Bytes...>(ByteBlocks::load(text_.data() + block));
                bits != 0)
                return found(mask, block, bits);
        if (block < text_.size())
            if (const std::uint32_t bits = bitsAt<Bytes...>(block); bits != 0)
                return found(mask, block, bits);
        return text_.size();
    }

    static std::size_t found(Mask& mask, std::size_t block, std::uint32_t bits) {
        mask = {block, bits};
        return block + static_cast<std::size_t>(std::countr_zero(bits));
    }

    // Past the text's end the block reads as NUL bytes, which are never looked for.
    template <unsigned char... Bytes> std::uint32_t bitsAt(std::size_t block) const {
        return ByteBlocks::bitsOfAny<Bytes...>(ByteBlocks::loadPadded(text_, block));
    }

    std::string_view text_;
    Mask events_;
    Mask openers_;
};

} // namespace tindrel::BracketEvents
