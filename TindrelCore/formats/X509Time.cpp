#include "TindrelCore/formats/X509.h"
#include "TindrelCore/text/DateText.h"
#include "TindrelCore/text/Text.h"

#include <charconv>

namespace tindrel::X509 {
namespace {

constexpr std::uint8_t utcTimeTag = 0x17;
constexpr std::uint8_t generalizedTimeTag = 0x18;

// A decimal field of `width` characters at `offset`, with an optional leading sign.
std::optional<int> field(std::string_view text, std::size_t offset, std::size_t width) {
    if (offset + width > text.size()) return std::nullopt;
    std::string_view digits = text.substr(offset, width);
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    unsigned value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return negative ? -int(value) : int(value);
}

// Months roll over into years; days, hours, minutes and seconds count on linearly from there.
double instant(int year, int month, int day, int hour, int minute, int second) {
    const int monthIndex = month - 1;
    const int carry = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    const DateText::CivilTime start{year + carry, monthIndex - carry * 12 + 1, 1, 0, 0, 0};
    const std::int64_t seconds = DateText::secondsSinceEpoch(start) + std::int64_t(day - 1) * 86400 +
                                 std::int64_t(hour) * 3600 + std::int64_t(minute) * 60 + second;
    return double(seconds);
}

} // namespace

std::optional<double> parseTime(std::string_view buffer, const DER::Node& time) {
    std::string_view content = DER::contentOf(buffer, time);
    if (!Text::isASCII(content)) return std::nullopt;
    std::string text;
    for (char c : content)
        if (c != 'Z') text += c;

    std::optional<int> year;
    std::size_t offset = 0;
    if (time.tag == generalizedTimeTag) {
        year = field(text, 0, 4);
        offset = 4;
    } else if (time.tag == utcTimeTag) {
        year = field(text, 0, 2);
        if (year) *year += *year > 49 ? 1900 : 2000;
        offset = 2;
    } else {
        return std::nullopt;
    }
    std::optional<int> month = field(text, offset, 2);
    std::optional<int> day = field(text, offset + 2, 2);
    std::optional<int> hour = field(text, offset + 4, 2);
    std::optional<int> minute = field(text, offset + 6, 2);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    const int second = field(text, offset + 8, 2).value_or(0);
    return instant(*year, *month, *day, *hour, *minute, second);
}

} // namespace tindrel::X509
