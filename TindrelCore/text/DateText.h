#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel::DateText {

struct CivilTime {
    std::int64_t year;
    int month; // 1…12
    int day;   // 1…31
    int hour;
    int minute;
    int second;
};

// Proleptic Gregorian calendar in UTC; `seconds` since 1970, fractions dropped toward the past.
// Nothing for non-finite values or instants too far out to count in whole seconds.
std::optional<CivilTime> civil(double seconds);

// Internet date-time form in UTC, e.g. 2018-01-18T01:30:22Z. Years outside 0…9999 carry a sign and
// more digits; an instant that cannot be placed on the calendar reads "out of range".
std::string iso8601(double seconds);

// Seconds since 1970 of a civil UTC time (no range checks beyond what the fields allow).
std::int64_t secondsSinceEpoch(const CivilTime& time);

} // namespace tindrel::DateText
