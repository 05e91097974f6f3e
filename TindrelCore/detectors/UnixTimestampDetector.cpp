#include "TindrelCore/detectors/UnixTimestampDetector.h"

#include "TindrelCore/text/DateText.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>

namespace tindrel {
namespace {

constexpr double earliest = 1000000000.0; // 2001-09-09T01:46:40Z
constexpr double latest = 4102444800.0;   // 2100-01-01T00:00:00Z

// Ten or thirteen ASCII digits: small enough to be exact in a double.
std::optional<double> digitsValue(std::string_view t) {
    if (t.size() != 10 && t.size() != 13) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
    }
    return static_cast<double>(value);
}

constexpr double confidence = 0.75;

// The seconds of a trimmed text that is a timestamp of the years covered.
std::optional<double> secondsOf(std::string_view t) {
    std::optional<double> value = digitsValue(t);
    if (!value) return std::nullopt;
    double seconds = t.size() == 13 ? *value / 1000.0 : *value;
    if (seconds < earliest || seconds > latest) return std::nullopt;
    return seconds;
}

} // namespace

// Every timestamp answers with a terminal step of one confidence.
std::optional<bool> UnixTimestampDetector::answersConfidently(std::string_view text, double threshold) const {
    return secondsOf(Text::trim(text)).has_value() && confidence >= threshold;
}

std::optional<DecodeResult> UnixTimestampDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    std::optional<double> seconds = secondsOf(t);
    if (!seconds) return std::nullopt;
    bool milliseconds = t.size() == 13;
    // Whole seconds only: the milliseconds of a 13-digit value are not shown.
    std::string iso = DateText::iso8601(*seconds);
    std::string_view unit = milliseconds ? "milliseconds" : "seconds";
    // Built in place, each string allocated once: timestamps are decoded by the million in a scan.
    constexpr std::string_view before = "Unix timestamp (", between = ") \u2192 ";
    std::string summary;
    summary.reserve(before.size() + unit.size() + between.size() + iso.size());
    summary.append(before).append(unit).append(between).append(iso);
    Details details;
    details.reserve(2);
    details.emplace("iso", iso);
    details.emplace("unit", unit);
    return DecodeResult{DetectionKind::unixTimestamp, std::move(iso),     confidence,
                        std::move(summary),           std::move(details), true};
}

} // namespace tindrel
