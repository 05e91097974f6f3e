#include "TindrelCore/text/TextCase.h"

#include "TindrelCore/text/Text.h"

#include <utf8proc.h>

namespace tindrel::TextCase {
namespace {

template <typename Map> std::string mapScalars(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        Text::Scalar scalar = Text::decodeScalar(s, pos);
        char32_t value = scalar.value == Text::Scalar::invalid ? 0xFFFD : scalar.value;
        Text::appendUTF8(out, map(value));
        pos += scalar.length;
    }
    return out;
}

char32_t upper(char32_t c) {
    return static_cast<char32_t>(utf8proc_toupper(static_cast<utf8proc_int32_t>(c)));
}

char32_t lower(char32_t c) {
    return static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(c)));
}

char32_t title(char32_t c) {
    return static_cast<char32_t>(utf8proc_totitle(static_cast<utf8proc_int32_t>(c)));
}

} // namespace

std::string uppercased(std::string_view s) {
    return mapScalars(s, upper);
}

std::string lowercased(std::string_view s) {
    return mapScalars(s, lower);
}

std::string capitalized(std::string_view s) {
    bool atWordStart = true;
    return mapScalars(s, [&](char32_t c) {
        if (Text::isWhitespace(c)) {
            atWordStart = true;
            return c;
        }
        char32_t mapped = atWordStart ? title(c) : lower(c);
        atWordStart = false;
        return mapped;
    });
}

} // namespace tindrel::TextCase
