#include "TindrelCore/scan/ScanText.h"

#include "TindrelCore/text/CharacterClasses.h"

#include <utf8proc.h>

namespace tindrel {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// A bit for every position next to a non-ASCII byte that falls inside a user-perceived character.
// An ASCII byte leaves no grapheme state behind, so runs of ASCII are passed over whole, but for
// the first byte after a non-ASCII scalar, which the stateful break test decides.
std::vector<std::uint64_t> splitPositions(const ScanText& text) {
    std::vector<std::uint64_t> splits(text.size() / 64 + 1, 0);
    auto mark = [&splits](std::size_t pos) { splits[pos / 64] |= std::uint64_t{1} << (pos % 64); };
    std::size_t pos = 0;
    char32_t previous = 0;
    bool havePrevious = false;
    utf8proc_int32_t state = 0;
    while (pos < text.size()) {
        if (text.byte(pos) < 0x80 && previous < 0x80) {
            pos += Text::asciiPrefixLength(text.text().substr(pos));
            previous = text.byte(pos - 1);
            havePrevious = true;
            state = 0;
            continue;
        }
        Text::Scalar scalar = text.scalarAt(pos);
        if (havePrevious &&
            !utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(previous),
                                              static_cast<utf8proc_int32_t>(scalar.value), &state))
            mark(pos);
        for (std::size_t i = 1; i < scalar.length; ++i)
            mark(pos + i);
        previous = scalar.value;
        havePrevious = true;
        pos += scalar.length;
    }
    return splits;
}

} // namespace

ScanText::ScanText(std::string_view text)
    : text_(text)
    , ascii_(Text::isASCII(text)) {
    if (!ascii_) splits_ = std::make_shared<const std::vector<std::uint64_t>>(splitPositions(*this));
}

ScanText::ScanText(const ScanText& whole, std::size_t begin, std::size_t end)
    : text_(whole.text_.substr(begin, end - begin))
    , ascii_(whole.ascii_ || Text::isASCII(text_)) {
    if (!ascii_) {
        splits_ = whole.splits_;
        splitsFrom_ = whole.splitsFrom_ + begin;
    }
}

Text::Scalar ScanText::decodeAt(std::size_t pos) const {
    Text::Scalar scalar = Text::decodeScalar(text_, pos);
    if (scalar.value == Text::Scalar::invalid) scalar.value = 0xFFFD;
    return scalar;
}

std::size_t ScanText::previousScalarStart(std::size_t pos) const {
    std::size_t lead = pos - 1;
    while (lead > 0 && pos - lead < 4 && isContinuation(byte(lead)))
        --lead;
    return lead + scalarAt(lead).length == pos ? lead : pos - 1;
}

bool ScanText::isWordBefore(std::size_t pos) const {
    while (pos > 0) {
        pos = previousScalarStart(pos);
        char32_t c = scalarAt(pos).value;
        if (!CharacterClasses::isBoundaryTransparent(c)) return CharacterClasses::isWordCharacter(c);
    }
    return false;
}

bool ScanText::isUnicodeWordBoundary(std::size_t pos) const {
    bool current = false;
    if (pos < size()) {
        char32_t c = scalarAt(pos).value;
        if (CharacterClasses::isBoundaryTransparent(c)) return false;
        current = CharacterClasses::isWordCharacter(c);
    }
    return current != isWordBefore(pos);
}

} // namespace tindrel
