#include "TindrelCore/detectors/URLEncodingDetector.h"

#include "TindrelCore/text/Percent.h"

#include <algorithm>
#include <fmt/format.h>

namespace tindrel {

// Works on the text as given: surrounding blanks are part of what was encoded.
std::optional<DecodeResult> URLEncodingDetector::decode(std::string_view text) const {
    std::size_t first = text.find('%'); // most texts have none, found at the speed of memchr
    if (first == std::string_view::npos) return std::nullopt;
    auto escapes = static_cast<std::size_t>(
        std::count(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(), '%'));
    // Decoding refuses any "%" that does not start an escape, so every "%" counted is one, and
    // each escape shortens the text: the output always differs from the input.
    std::optional<std::string> decoded = Percent::decode(text);
    if (!decoded) return std::nullopt;
    std::string count = std::to_string(escapes);
    return DecodeResult{
        DetectionKind::url,
        std::move(*decoded),
        0.9,
        fmt::format("URL/percent-encoded ({} escape{})", count, escapes == 1 ? "" : "s"),
        {{"escapes", count}},
        false,
    };
}

} // namespace tindrel
