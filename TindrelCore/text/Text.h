#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tindrel::Text {

// A decoded scalar, or `invalid` with `length` covering the maximal ill-formed subpart.
struct Scalar {
    static constexpr char32_t invalid = 0xFFFFFFFF;
    char32_t value;
    std::size_t length;
};

// Decodes the UTF-8 scalar that starts at `pos` (which must be inside `s`).
Scalar decodeScalar(std::string_view s, std::size_t pos);
void appendUTF8(std::string& out, char32_t scalar);

bool isValidUTF8(std::string_view s);
// Whether some valid UTF-8 text starts with `s`: valid, or valid but for a sequence cut off at the end.
bool beginsValidUTF8(std::string_view s);
// Every ill-formed sequence becomes U+FFFD; everything else is kept byte for byte.
std::string sanitizeUTF8(std::string_view s);
// The same in place; costs one validating pass when `s` is already valid.
void makeValidUTF8(std::string& s);
// A place at most three bytes before `near` where `s` can be cut without cutting a scalar or an
// ill-formed sequence: the parts made valid, put together, are the whole made valid.
std::size_t cutBetweenScalars(std::string_view s, std::size_t near);
// Hands `s` made valid as sanitizeUTF8 makes it to `each` in slices of about `sliceBytes`, with
// the length of `s` the slices so far came from, so that a text of any size is made valid in
// bounded memory. Stops once `each` answers false, and answers whether every slice went.
bool sanitizeUTF8InSlices(std::string_view s, std::size_t sliceBytes,
                          const std::function<bool(std::string_view valid, std::size_t through)>& each);

// The Unicode White_Space property (tab to carriage return, space, U+0085, U+00A0, U+2028, U+3000, …).
bool isWhitespace(char32_t scalar);
// trim's walk for texts that may begin or end with white space.
std::string_view trimWhitespace(std::string_view s);
// Trims white space and newlines from both ends. `s` must be valid UTF-8. Every detector trims the
// text it is offered, which nearly always begins and ends with a visible ASCII character.
inline std::string_view trim(std::string_view s) {
    auto visibleASCII = [](char c) { return static_cast<unsigned char>(c) - 0x21u < 0x5Fu; };
    if (s.empty() || (visibleASCII(s.front()) && visibleASCII(s.back()))) return s;
    return trimWhitespace(s);
}
bool isBlank(std::string_view s);

// User-perceived characters (extended grapheme clusters).
std::size_t characterCount(std::string_view s);
// characterCount(s) >= count, walking no further than the count-th character.
bool hasAtLeastCharacters(std::string_view s, std::size_t count);
// The first `count` user-perceived characters of `s`.
std::string_view prefixCharacters(std::string_view s, std::size_t count);

// At least 90 % of the scalars are printable (tab, LF, CR, or 32 and above but not 127).
bool looksLikePrintableText(std::string_view s);

bool isASCII(std::string_view s);
// The number of ASCII bytes `s` begins with.
std::size_t asciiPrefixLength(std::string_view s);

} // namespace tindrel::Text
