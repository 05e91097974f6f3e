#pragma once

#include "TindrelHistory/HistoryEntry.h"

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <vector>

// The stored form of history entries: a JSON array of objects with the keys "input", "recognized",
// "shape" and "timestamp", and "fullSize" (a whole number of bytes) for an entry whose input was cut.
// Readers that do not know "fullSize" skip it.
namespace tindrel::StoredEntries {

nlohmann::json record(const HistoryEntry& entry);

// Reads a whole stored array and returns its first `keep` entries. Every element is checked, so one bad
// element anywhere fails the read, but only the kept ones are held in memory and nothing is built for
// values the entries do not use: a huge or deeply nested document costs time, not memory or stack.
std::optional<std::vector<HistoryEntry>> read(std::string_view bytes, std::size_t keep);

} // namespace tindrel::StoredEntries
