#include "TindrelHistory/InspectionHistory.h"

#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/text/Text.h"
#include "TindrelHistory/StoredEntries.h"

#include <algorithm>

namespace tindrel {
namespace {

bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Keeps the start of an oversized input, ending before a character that would not fit whole.
HistoryEntry withinEntryBound(HistoryEntry entry) {
    const std::size_t size = entry.input.size();
    if (size <= InspectionHistory::maxEntryBytes) return entry;
    std::size_t end = InspectionHistory::maxEntryBytes;
    while (end > 0 && continuesCharacter(entry.input[end]))
        --end;
    entry.input.resize(end);
    if (!entry.fullSize) entry.fullSize = size;
    return entry;
}

} // namespace

InspectionHistory::InspectionHistory(std::vector<HistoryEntry> entries, int maxCount)
    : maxCount_(std::max(maxCount, 1)) {
    entries_.reserve(std::min(entries.size(), std::size_t(maxCount_)));
    for (HistoryEntry& entry : entries) {
        if (entries_.size() == std::size_t(maxCount_)) break;
        entries_.push_back(withinEntryBound(std::move(entry)));
    }
    dropPastBounds();
}

void InspectionHistory::dropPastBounds() {
    std::size_t total = 0;
    std::size_t kept = 0;
    while (kept < entries_.size() && kept < std::size_t(maxCount_) &&
           (kept == 0 || total + entries_[kept].input.size() <= maxTotalBytes)) {
        total += entries_[kept].input.size();
        ++kept;
    }
    entries_.erase(entries_.begin() + std::ptrdiff_t(kept), entries_.end());
}

void InspectionHistory::record(HistoryEntry entry) {
    if (Text::isBlank(entry.input)) return;
    entry = withinEntryBound(std::move(entry));
    std::erase_if(entries_, [&](const HistoryEntry& old) { return old.input == entry.input; });
    entries_.insert(entries_.begin(), std::move(entry));
    dropPastBounds();
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
