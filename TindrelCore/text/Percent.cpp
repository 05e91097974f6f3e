#include "TindrelCore/text/Percent.h"

#include "TindrelCore/text/HexDigit.h"
#include "TindrelCore/text/Text.h"

namespace tindrel::Percent {

std::optional<std::string> decode(std::string_view s) {
    if (s.find('%') == std::string_view::npos) {
        if (!Text::isValidUTF8(s)) return std::nullopt;
        return std::string(s);
    }
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t escape = s.find('%', i);
        out.append(s.substr(i, escape - i));
        if (escape == std::string_view::npos) break;
        if (escape + 2 >= s.size()) return std::nullopt;
        int high = hexDigitValue(s[escape + 1]);
        int low = hexDigitValue(s[escape + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i = escape + 3;
    }
    if (!Text::isValidUTF8(out)) return std::nullopt;
    return out;
}

} // namespace tindrel::Percent
