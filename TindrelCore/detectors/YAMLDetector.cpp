#include "TindrelCore/detectors/YAMLDetector.h"

#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/formats/YAML.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>

namespace tindrel {
namespace {

using nlohmann::json;

bool isEntryOrItem(const YAML::Line& line) {
    return YAML::isSequenceItem(line.text) || YAML::splitMapping(line.text).has_value();
}

// Every top-level line is an entry or an item, and there is some structure: nesting, a second
// top-level line or a document marker. One "key: value" line alone is too weak a sign.
// Judged in one walk that keeps no lines, so a long text that is not YAML costs no memory; the
// top level is the least indent, so a lower line makes every line before it nested.
bool looksLikeBlockYAML(std::string_view t) {
    YAML::LineReader reader(t);
    std::optional<std::size_t> top;
    std::size_t topLevel = 0;
    bool entries = true; // every line at the least indent so far is an entry or an item
    bool nested = false;
    while (std::optional<YAML::Line> line = reader.next()) {
        if (top && line->indent > *top) {
            nested = true;
            continue;
        }
        if (!top || line->indent < *top) {
            nested = nested || top.has_value();
            top = line->indent;
            entries = true;
            topLevel = 0;
        }
        entries = entries && isEntryOrItem(*line);
        ++topLevel;
        if (!entries && *top == 0) return false; // no line can sit lower
    }
    if (reader.tabbed() || !top || !entries) return false;
    return nested || topLevel >= 2 || reader.sawMarker();
}

// JSON has no infinity; a scalar such as 1e999 makes the whole value unwritable.
// The depth is bounded by YAML::maxDepth, so recursion is safe.
bool isFinite(const json& value) {
    if (value.is_number_float()) return std::isfinite(value.get<double>());
    if (!value.is_structured()) return true;
    return std::all_of(value.begin(), value.end(), [](const json& child) { return isFinite(child); });
}

std::string summary(bool isSequence, std::size_t count) {
    return fmt::format("YAML {} \u2192 JSON ({} {}{})", isSequence ? "sequence" : "mapping", count,
                       isSequence ? "item" : "key", count == 1 ? "" : "s");
}

} // namespace

std::optional<DecodeResult> YAMLDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    if (t.empty() || t.front() == '{' || t.front() == '[' || t.front() == '<') return std::nullopt;
    // One line is never enough structure (see looksLikeBlockYAML), and most texts are one line.
    if (t.find('\n') == std::string_view::npos) return std::nullopt;

    if (!looksLikeBlockYAML(t)) return std::nullopt;
    std::optional<YAML::Lines> lines = YAML::preprocess(t);
    if (!lines) return std::nullopt;

    std::size_t position = 0;
    std::optional<json> value = YAML::parseBlock(lines->lines, position);
    if (!value || !isFinite(*value)) return std::nullopt;
    std::optional<std::string> written = JSONUtil::write(*value, true);
    if (!written || !Text::isValidUTF8(*written)) return std::nullopt;

    bool isSequence = value->is_array();
    std::string count = std::to_string(value->size());
    return DecodeResult{
        DetectionKind::yaml,
        std::move(*written),
        0.6,
        summary(isSequence, value->size()),
        {{"shape", isSequence ? "sequence" : "mapping"}, {"entries", count}, {"normalized", "json"}},
        true,
    };
}

} // namespace tindrel
