#pragma once

#include "TindrelCore/text/Bytes.h"
#include "TindrelHistory/HistoryEntry.h"

#include <string_view>
#include <vector>

namespace tindrel {

// The recent inspections, newest first, never more than the cap and never two with the same input.
class InspectionHistory {
public:
    static constexpr int defaultMaxCount = 50;

    // The cap is raised to at least 1 and `entries` cut to it; duplicates are left as given.
    explicit InspectionHistory(std::vector<HistoryEntry> entries = {}, int maxCount = defaultMaxCount);

    const std::vector<HistoryEntry>& entries() const { return entries_; }
    int maxCount() const { return maxCount_; }

    // Puts `entry` first, dropping any older entry with the same input and the oldest past the cap.
    // Blank inputs are ignored.
    void record(HistoryEntry entry);
    void clear() { entries_.clear(); }
    // The same history with every input's secrets masked; of entries whose masked inputs coincide,
    // the newest stays.
    InspectionHistory withoutSecrets() const;

    // The stored form: a compact JSON array of the entries with sorted keys; empty when an input is
    // not valid UTF-8. The cap is not stored.
    Bytes::Buffer encoded() const;
    // Reads the stored form; anything that does not read as a whole gives an empty history.
    static InspectionHistory decoded(std::string_view bytes, int maxCount = defaultMaxCount);

    bool operator==(const InspectionHistory&) const = default;

private:
    void dropPastCap();

    std::vector<HistoryEntry> entries_;
    int maxCount_;
};

} // namespace tindrel
