#include "TindrelCore/scan/ScanText.h"

#include "TindrelCore/text/CharacterClasses.h"

#include <utf8proc.h>

namespace tindrel {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Marks every position that falls inside a user-perceived character. Between two ASCII bytes the
// only such position is the one between CR and LF, and an ASCII byte leaves no grapheme state
// behind, so the stateful break test runs only around non-ASCII scalars.
std::vector<bool> insidePositions(const ScanText& text) {
    std::vector<bool> inside(text.size() + 1, false);
    std::size_t pos = 0;
    char32_t previous = 0;
    bool havePrevious = false;
    bool previousASCII = true;
    utf8proc_int32_t state = 0;
    while (pos < text.size()) {
        unsigned char byte = text.byte(pos);
        if (byte < 0x80 && previousASCII) {
            if (havePrevious && previous == '\r' && byte == '\n') inside[pos] = true;
            previous = byte;
            havePrevious = true;
            state = 0;
            ++pos;
            continue;
        }
        Text::Scalar scalar = text.scalarAt(pos);
        if (havePrevious &&
            !utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(previous),
                                              static_cast<utf8proc_int32_t>(scalar.value), &state))
            inside[pos] = true;
        for (std::size_t i = 1; i < scalar.length; ++i)
            inside[pos + i] = true;
        previous = scalar.value;
        havePrevious = true;
        previousASCII = scalar.value < 0x80;
        pos += scalar.length;
    }
    return inside;
}

} // namespace

ScanText::ScanText(std::string_view text)
    : text_(text)
    , ascii_(Text::isASCII(text)) {
    if (!ascii_) inside_ = insidePositions(*this);
}

ScanText::ScanText(const ScanText& whole, std::size_t begin, std::size_t end)
    : text_(whole.text_.substr(begin, end - begin))
    , ascii_(whole.ascii_ || Text::isASCII(text_)) {
    if (!ascii_) {
        auto first = whole.inside_.begin() + static_cast<std::ptrdiff_t>(begin);
        inside_.assign(first, first + static_cast<std::ptrdiff_t>(end - begin + 1));
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

bool ScanText::isCharacterBoundary(std::size_t pos) const {
    if (pos == 0 || pos >= size()) return true;
    if (ascii_) return !(text_[pos - 1] == '\r' && text_[pos] == '\n');
    return !inside_[pos];
}

} // namespace tindrel
