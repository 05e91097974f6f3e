#include "TindrelReport/InternetDate.h"

#include "TindrelCore/text/DateText.h"

namespace tindrel::InternetDate {
namespace {

constexpr std::size_t zoneStart = 19; // after "YYYY-MM-DDTHH:MM:SS"

// The decimal number in text[start, start + width), all digits, at most `max`.
std::optional<int> number(std::string_view text, std::size_t start, std::size_t width, int max) {
    int value = 0;
    for (std::size_t i = start; i < start + width; ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > max) return std::nullopt;
    return value;
}

bool separatorsAt(std::string_view text) {
    return text[4] == '-' && text[7] == '-' && text[10] == 'T' && text[13] == ':' && text[16] == ':';
}

// Seconds east of UTC, or nothing for a malformed zone.
std::optional<int> zoneOffset(std::string_view zone) {
    if (zone == "Z") return 0;
    if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':') return std::nullopt;
    auto hours = number(zone, 1, 2, 23);
    auto minutes = number(zone, 4, 2, 59);
    if (!hours || !minutes) return std::nullopt;
    int seconds = *hours * 3600 + *minutes * 60;
    return zone[0] == '-' ? -seconds : seconds;
}

} // namespace

std::optional<std::int64_t> parse(std::string_view text) {
    if (text.size() <= zoneStart || !separatorsAt(text)) return std::nullopt;
    auto year = number(text, 0, 4, 9999);
    auto month = number(text, 5, 2, 12);
    auto day = number(text, 8, 2, 31);
    auto hour = number(text, 11, 2, 23);
    auto minute = number(text, 14, 2, 59);
    auto second = number(text, 17, 2, 59);
    auto offset = zoneOffset(text.substr(zoneStart));
    if (!year || !month || !day || !hour || !minute || !second || !offset || *month == 0 || *day == 0)
        return std::nullopt;
    DateText::CivilTime time{*year, *month, *day, *hour, *minute, *second};
    std::int64_t local = DateText::secondsSinceEpoch(time);
    // A day past the end of its month lands in the next one.
    auto back = DateText::civil(double(local));
    if (!back || back->day != *day) return std::nullopt;
    return local - *offset;
}

} // namespace tindrel::InternetDate
