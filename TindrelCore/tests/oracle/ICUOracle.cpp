#include "ICUOracle.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <unicode/brkiter.h>
#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace tindrel::oracle {
namespace {

constexpr std::size_t none = static_cast<std::size_t>(-1);

struct Converted {
    icu::UnicodeString text;
    std::vector<std::size_t> byteOffset; // by UTF-16 index; `none` inside a surrogate pair
};

Converted convert(std::string_view text) {
    Converted out{
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size()))), {}};
    std::size_t pos = 0;
    for (int32_t i = 0; i < out.text.length();) {
        UChar32 scalar = out.text.char32At(i);
        out.byteOffset.push_back(pos);
        if (U16_LENGTH(scalar) == 2) out.byteOffset.push_back(none);
        pos += static_cast<std::size_t>(U8_LENGTH(scalar));
        i += U16_LENGTH(scalar);
    }
    out.byteOffset.push_back(pos);
    return out;
}

std::vector<std::size_t> boundaryOffsets(const Converted& converted) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> characters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    characters->setText(converted.text);
    std::vector<std::size_t> boundaries;
    for (int32_t i = characters->first(); i != icu::BreakIterator::DONE; i = characters->next())
        boundaries.push_back(converted.byteOffset[static_cast<std::size_t>(i)]);
    return boundaries;
}

// Compiled once per pattern text; the tests run on one thread.
const icu::RegexPattern& compiled(std::string_view pattern) {
    static std::map<std::string, std::unique_ptr<icu::RegexPattern>, std::less<>> cache;
    auto found = cache.find(pattern);
    if (found == cache.end()) {
        UErrorCode status = U_ZERO_ERROR;
        UParseError error;
        icu::UnicodeString source = icu::UnicodeString::fromUTF8(
            icu::StringPiece(pattern.data(), static_cast<int32_t>(pattern.size())));
        found = cache.emplace(std::string(pattern), icu::RegexPattern::compile(source, error, status)).first;
    }
    return *found->second;
}

} // namespace

std::vector<TextSpan> matches(std::string_view text, std::string_view pattern) {
    Converted converted = convert(text);
    std::vector<std::size_t> boundaries = boundaryOffsets(converted);
    auto onBoundary = [&](std::size_t pos) {
        return std::binary_search(boundaries.begin(), boundaries.end(), pos);
    };

    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(compiled(pattern).matcher(converted.text, status));
    std::vector<TextSpan> spans;
    while (U_SUCCESS(status) && matcher->find()) {
        std::size_t begin = converted.byteOffset[static_cast<std::size_t>(matcher->start(status))];
        std::size_t end = converted.byteOffset[static_cast<std::size_t>(matcher->end(status))];
        if (begin != none && end != none && onBoundary(begin) && onBoundary(end))
            spans.push_back({begin, end});
    }
    return spans;
}

std::vector<std::size_t> characterBoundaries(std::string_view text) {
    return boundaryOffsets(convert(text));
}

} // namespace tindrel::oracle
