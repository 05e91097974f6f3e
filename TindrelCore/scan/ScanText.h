#pragma once

#include "TindrelCore/text/Text.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tindrel {

// A half-open byte range [begin, end) of a scanned text.
struct TextSpan {
    std::size_t begin;
    std::size_t end;

    bool operator==(const TextSpan&) const = default;
};

// A text prepared for pattern matching: scalars, word boundaries and user-perceived character
// boundaries by byte position. Texts without non-ASCII bytes answer from the bytes alone.
class ScanText {
public:
    explicit ScanText(std::string_view text);
    // The part [begin, end) of `whole`, read as a text of its own. When both ends fall where no
    // character, word or grapheme state crosses (right after a line feed, at another safe cut of
    // StreamCuts, at an end of `whole`), the part answers exactly as a ScanText built from its
    // bytes would; elsewhere it answers as `whole` does.
    ScanText(const ScanText& whole, std::size_t begin, std::size_t end);

    std::string_view text() const { return text_; }
    std::size_t size() const { return text_.size(); }
    bool isASCII() const { return ascii_; }
    unsigned char byte(std::size_t pos) const { return static_cast<unsigned char>(text_[pos]); }

    // The scalar at `pos` (U+FFFD for an ill-formed sequence) and its length in bytes.
    Text::Scalar scalarAt(std::size_t pos) const {
        if (byte(pos) < 0x80) return {byte(pos), 1};
        return decodeAt(pos);
    }
    // The start of the scalar that ends at `pos` (pos > 0).
    std::size_t previousScalarStart(std::size_t pos) const;

    // A word boundary as regular expressions define it for Unicode text: the word-ness of the
    // character at `pos` differs from that of the previous character, looking past grapheme
    // extenders and format characters; never right before one of those.
    bool isWordBoundary(std::size_t pos) const {
        if (pos > 0 && pos < size() && byte(pos) < 0x80 && byte(pos - 1) < 0x80)
            return isASCIIWord(byte(pos)) != isASCIIWord(byte(pos - 1));
        return isUnicodeWordBoundary(pos);
    }
    // Between two user-perceived characters, or at either end of the text. Between two ASCII
    // bytes only a CR LF pair is one character.
    bool isCharacterBoundary(std::size_t pos) const {
        if (pos == 0 || pos >= size()) return true;
        unsigned char before = byte(pos - 1), at = byte(pos);
        if ((before | at) < 0x80) return !(before == '\r' && at == '\n');
        std::size_t bit = splitsFrom_ + pos;
        return ((*splits_)[bit / 64] >> (bit % 64) & 1) == 0;
    }
    // The one-byte character at `pos` is a user-perceived character on its own.
    bool isStandalone(std::size_t pos) const {
        return isCharacterBoundary(pos) && isCharacterBoundary(pos + 1);
    }

private:
    static bool isASCIIWord(unsigned char b) {
        return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_';
    }
    Text::Scalar decodeAt(std::size_t pos) const;
    bool isUnicodeWordBoundary(std::size_t pos) const;
    bool isWordBefore(std::size_t pos) const;

    std::string_view text_;
    bool ascii_;
    // Non-ASCII texts only, a bit a position of the text they were found in, which a part shares:
    // set where a position next to a non-ASCII byte splits a character.
    std::shared_ptr<const std::vector<std::uint64_t>> splits_;
    std::size_t splitsFrom_ = 0; // the bit of this text's first position
};

} // namespace tindrel
