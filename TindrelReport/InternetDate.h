#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tindrel::InternetDate {

// An internet date-time with whole seconds and a zone of "Z" or ±HH:MM, such as 2018-01-18T01:30:22Z
// or 2018-01-18T03:30:22+02:00, as seconds since 1970. Impossible dates (April 31) give nothing.
std::optional<std::int64_t> parse(std::string_view text);

} // namespace tindrel::InternetDate
