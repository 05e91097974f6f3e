#include "TindrelCore/detectors/URLEncodingDetector.h"

#include "TindrelCore/text/Percent.h"

#include <algorithm>
#include <fmt/format.h>

namespace tindrel {

// Works on the text as given: surrounding blanks are part of what was encoded.
std::optional<DecodeResult> URLEncodingDetector::decode(std::string_view text) const {
    auto escapes = static_cast<std::size_t>(std::count(text.begin(), text.end(), '%'));
    if (escapes == 0) return std::nullopt;
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
