#include "TindrelCore/detectors/HTMLEntitiesDetector.h"

#include "TindrelCore/text/CharacterBoundary.h"
#include "TindrelCore/text/HexDigit.h"
#include "TindrelCore/text/Text.h"

#include <array>
#include <cstdint>
#include <utility>

namespace tindrel {
namespace {

constexpr std::array<std::pair<std::string_view, char32_t>, 12> named = {{
    {"amp", U'&'},
    {"lt", U'<'},
    {"gt", U'>'},
    {"quot", U'"'},
    {"apos", U'\''},
    {"nbsp", U'\u00A0'},
    {"copy", U'\u00A9'},
    {"reg", U'\u00AE'},
    {"hellip", U'\u2026'},
    {"mdash", U'\u2014'},
    {"ndash", U'\u2013'},
    {"trade", U'\u2122'},
}};

int digitValue(char c, int base) {
    if (base == 16) return hexDigitValue(c);
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

bool isScalarValue(std::uint32_t value) {
    return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

// Stops at the first digit that pushes the value past the last scalar, so a long run of digits
// costs no more than the run itself and never overflows.
std::optional<char32_t> numeric(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = digitValue(c, base);
        if (digit < 0) return std::nullopt;
        value = value * std::uint32_t(base) + std::uint32_t(digit);
        if (value > 0x10FFFF) return std::nullopt;
    }
    if (!isScalarValue(value)) return std::nullopt;
    return char32_t(value);
}

// The character a reference body (the text between "&" and ";") stands for.
std::optional<char32_t> entity(std::string_view body) {
    if (body.starts_with("#x") || body.starts_with("#X")) return numeric(body.substr(2), 16);
    if (body.starts_with("#")) return numeric(body.substr(1), 10);
    for (const auto& [name, character] : named)
        if (body == name) return character;
    return std::nullopt;
}

// The first ";" that is a character of its own at or after a position. Positions only grow during
// the walk, so each stretch of text is searched once, however many "&" share the same ";".
class SemicolonFinder {
public:
    explicit SemicolonFinder(std::string_view s)
        : s_(s) {}

    std::size_t next(std::size_t from) {
        if (found_ != std::string_view::npos && found_ >= from) return found_;
        if (found_ == std::string_view::npos && searched_) return found_;
        found_ = from;
        while ((found_ = s_.find(';', found_)) != std::string_view::npos &&
               !Text::isLoneCharacter(s_, found_))
            ++found_;
        searched_ = true;
        return found_;
    }

private:
    std::string_view s_;
    std::size_t found_ = std::string_view::npos;
    bool searched_ = false;
};

} // namespace

// Works on the text as given and never rescans what it decoded: "&amp;amp;" loses one level.
// The output is only built from the first decoded reference on, so a text with none costs nothing.
std::optional<DecodeResult> HTMLEntitiesDetector::decode(std::string_view text) const {
    if (text.find('&') == std::string_view::npos) return std::nullopt;
    std::string out;
    std::size_t count = 0;
    std::size_t copied = 0; // the text before this is already in `out`
    SemicolonFinder semicolons(text);
    std::size_t amp = 0;
    while ((amp = text.find('&', amp)) != std::string_view::npos) {
        // With no ";" left, no "&" from here on begins a reference.
        std::size_t end = semicolons.next(amp + 1);
        if (end == std::string_view::npos) break;
        std::optional<char32_t> character =
            Text::isLoneCharacter(text, amp) ? entity(text.substr(amp + 1, end - amp - 1)) : std::nullopt;
        if (!character) {
            ++amp;
            continue;
        }
        if (count == 0) out.reserve(text.size());
        out.append(text.substr(copied, amp - copied));
        Text::appendUTF8(out, *character);
        ++count;
        copied = amp = end + 1;
    }
    // Every reference is longer than what it decodes to, so one replacement already changes the text.
    if (count == 0) return std::nullopt;
    out.append(text.substr(copied));
    std::string counted = std::to_string(count);
    return DecodeResult{
        DetectionKind::htmlEntities, std::move(out), 0.85, "HTML entities (" + counted + " decoded)",
        {{"count", counted}},        false,
    };
}

} // namespace tindrel
