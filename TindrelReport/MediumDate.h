#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tindrel {

// Renders an instant (seconds since 1970) as a date in the medium style of the user's locale and time
// zone, without the time ("Jan 18, 2018" in English). Nothing means: keep the text as stored. The command
// uses the C library's locale; the app passes one built on its own locale services.
using MediumDateFormatter = std::function<std::optional<std::string>(std::int64_t secondsSince1970)>;

namespace MediumDate {

// Abbreviated month name from the C library's LC_TIME locale, day, comma, year, in the local time zone
// (TZ). The process chooses the locale; a program that wants the user's calls setlocale(LC_TIME, "") first.
std::optional<std::string> fromCLibrary(std::int64_t secondsSince1970);

} // namespace MediumDate
} // namespace tindrel
