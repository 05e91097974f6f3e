#include "TindrelHistory/InspectionHistory.h"

#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/text/Text.h"
#include "TindrelHistory/StoredEntries.h"

#include <algorithm>

namespace tindrel {

InspectionHistory::InspectionHistory(std::vector<HistoryEntry> entries, int maxCount)
    : entries_(std::move(entries))
    , maxCount_(std::max(maxCount, 1)) {
    dropPastCap();
}

void InspectionHistory::dropPastCap() {
    if (entries_.size() > std::size_t(maxCount_))
        entries_.erase(entries_.begin() + maxCount_, entries_.end());
}

void InspectionHistory::record(HistoryEntry entry) {
    if (Text::isBlank(entry.input)) return;
    std::erase_if(entries_, [&](const HistoryEntry& old) { return old.input == entry.input; });
    entries_.insert(entries_.begin(), std::move(entry));
    dropPastCap();
}

InspectionHistory InspectionHistory::withoutSecrets() const {
    InspectionHistory masked({}, maxCount_);
    // Oldest first, so that each entry lands in front of the older ones as it did when recorded.
    std::for_each(entries_.rbegin(), entries_.rend(),
                  [&masked](const HistoryEntry& entry) { masked.record(entry.withoutSecrets()); });
    return masked;
}

Bytes::Buffer InspectionHistory::encoded() const {
    nlohmann::json list = nlohmann::json::array();
    for (const HistoryEntry& entry : entries_)
        list.push_back(StoredEntries::record(entry));
    return JSONUtil::write(list, false).value_or(Bytes::Buffer());
}

InspectionHistory InspectionHistory::decoded(std::string_view bytes, int maxCount) {
    std::size_t keep = std::size_t(std::max(maxCount, 1));
    return InspectionHistory(StoredEntries::read(bytes, keep).value_or(std::vector<HistoryEntry>()),
                             maxCount);
}

} // namespace tindrel
