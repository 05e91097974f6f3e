#pragma once

#include "TindrelHistory/HistoryEntry.h"

#include <vector>

namespace tindrel::DemoHistory {

// Three demonstration inspections in the order they are recorded: a small HS256 token, a JSON object
// percent-encoded twice, a Unix timestamp; each with its fixed timestamp and its own chain's shape.
std::vector<HistoryEntry> entries();

} // namespace tindrel::DemoHistory
