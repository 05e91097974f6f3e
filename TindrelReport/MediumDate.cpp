#include "TindrelReport/MediumDate.h"

#include <ctime>
#include <fmt/format.h>

namespace tindrel::MediumDate {

std::optional<std::string> fromCLibrary(std::int64_t secondsSince1970) {
    auto instant = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (!localtime_r(&instant, &local)) return std::nullopt;
    char month[64];
    if (std::strftime(month, sizeof month, "%b", &local) == 0) return std::nullopt;
    return fmt::format("{} {}, {}", month, local.tm_mday, 1900LL + local.tm_year);
}

} // namespace tindrel::MediumDate
