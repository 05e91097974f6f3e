#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tindrel::JSONCanonical {

// The pretty text nlohmann's strict reader and dump (indent 2, sorted keys, the last of duplicate
// keys kept) make of `text`, read straight into a flat list of values instead of a tree of maps
// and strings. `text` must already have passed `JSONUtil::mayBeJSON` with the reader's depth
// limit; what the reader then still refuses (bad UTF-8, unpaired surrogates, numbers too large for
// a double) gives nothing.
std::optional<std::string> pretty(std::string_view text);

} // namespace tindrel::JSONCanonical
