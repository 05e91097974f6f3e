#pragma once

#include "TindrelCore/text/Bytes.h"
#include "TindrelHistory/HistoryEntry.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace tindrel {

// The recent inspections, newest first, never more than the cap and never two with the same input.
// The history is saved after every inspection, so it stays small whatever is inspected: an input
// longer than maxEntryBytes keeps only its start, and the oldest entries go once all inputs together
// pass maxTotalBytes.
class InspectionHistory {
public:
    static constexpr int defaultMaxCount = 50;
    static constexpr std::size_t maxEntryBytes = 16 * 1024;
    static constexpr std::size_t maxTotalBytes = 256 * 1024;

    // The cap is raised to at least 1; `entries` is cut to it and to the size bounds, keeping the
    // first. Duplicates are left as given.
    explicit InspectionHistory(std::vector<HistoryEntry> entries = {}, int maxCount = defaultMaxCount);

    const std::vector<HistoryEntry>& entries() const { return entries_; }
    int maxCount() const { return maxCount_; }

    // Puts `entry` first, cut to maxEntryBytes, dropping any older entry with the same (kept) input and
    // the oldest past the cap or the total size. Blank inputs are ignored.
    void record(HistoryEntry entry);
    void clear() { entries_.clear(); }
    // The same history with every input's secrets masked; of entries whose masked inputs coincide,
    // the newest stays.
    InspectionHistory withoutSecrets() const;

    // The stored form: a compact JSON array of the entries with sorted keys; empty when an input is
    // not valid UTF-8. The cap is not stored.
    Bytes::Buffer encoded() const;
    // Reads the stored form, bounded as by the constructor; anything that does not read as a whole gives
    // an empty history.
    static InspectionHistory decoded(std::string_view bytes, int maxCount = defaultMaxCount);

    bool operator==(const InspectionHistory&) const = default;

private:
    // Drops the entries past the cap and those past the total size, oldest first.
    void dropPastBounds();

    std::vector<HistoryEntry> entries_;
    int maxCount_;
};

} // namespace tindrel
