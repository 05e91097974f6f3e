#include "TindrelCore/text/DateText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace tindrel::DateText {
namespace {

constexpr std::int64_t secondsPerDay = 86400;
// Far enough for any calendar date, near enough that day arithmetic stays inside 64 bits.
constexpr double limit = 1e17;

// Howard Hinnant's days-from-civil and civil-from-days.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, CivilTime& out) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    out.day = int(doy - (153 * mp + 2) / 5 + 1);
    out.month = int(mp < 10 ? mp + 3 : mp - 9);
    out.year = yoe + era * 400 + (out.month <= 2);
}

// Dates are written for every JWT and timestamp a scan meets: digits by hand, not a format string.
// Writes `value` with at least `width` digits, zeros in front, and answers where it ends.
char* writePadded(char* out, std::uint64_t value, std::size_t width) {
    char digits[20];
    auto count = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    for (; count < width; --width)
        *out++ = '0';
    return std::copy(digits, digits + count, out);
}

// A field of the time of day or of the date below 100, the same two digits without the search
// for their number.
char* writeTwoDigits(char* out, int value) {
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

} // namespace

std::optional<CivilTime> civil(double seconds) {
    if (!std::isfinite(seconds) || std::fabs(seconds) > limit) return std::nullopt;
    auto whole = static_cast<std::int64_t>(std::floor(seconds));
    std::int64_t days = whole / secondsPerDay;
    std::int64_t rest = whole % secondsPerDay;
    if (rest < 0) {
        rest += secondsPerDay;
        --days;
    }
    CivilTime time{};
    civilFromDays(days, time);
    time.hour = int(rest / 3600);
    time.minute = int(rest / 60 % 60);
    time.second = int(rest % 60);
    return time;
}

std::string iso8601(double seconds) {
    auto time = civil(seconds);
    if (!time) return "out of range";
    // Written into a buffer and copied once: dates are written by the million in a scan.
    char text[48];
    char* out = text;
    if (time->year >= 0 && time->year <= 9999) {
        out = writeTwoDigits(writeTwoDigits(out, int(time->year / 100)), int(time->year % 100));
    } else {
        *out++ = time->year < 0 ? '-' : '+';
        out = writePadded(out, static_cast<std::uint64_t>(time->year < 0 ? -time->year : time->year), 4);
    }
    for (auto [separator, field] : {std::pair{'-', time->month},
                                    {'-', time->day},
                                    {'T', time->hour},
                                    {':', time->minute},
                                    {':', time->second}}) {
        *out++ = separator;
        out = writeTwoDigits(out, field);
    }
    *out++ = 'Z';
    return std::string(text, out);
}

std::int64_t secondsSinceEpoch(const CivilTime& time) {
    return daysFromCivil(time.year, time.month, time.day) * secondsPerDay + time.hour * 3600 +
           time.minute * 60 + time.second;
}

} // namespace tindrel::DateText
