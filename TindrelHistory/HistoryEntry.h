#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tindrel {

// One recent inspection: the text exactly as it was inspected, the shape its decoding had and when.
struct HistoryEntry {
    std::string input;
    std::vector<std::string> shape; // raw kind values in step order; empty when unrecognised
    bool recognized = false;
    std::int64_t timestamp = 0; // whole seconds since 1970-01-01 UTC
    // Set when the inspected text was too large to keep whole: its size in bytes, while `input` holds
    // only its start (see InspectionHistory::maxEntryBytes).
    std::optional<std::uint64_t> fullSize;

    HistoryEntry(std::string input, std::vector<std::string> shape, bool recognized, std::int64_t timestamp);
    // `input` is kept as given even when it differs from the chain's own input.
    HistoryEntry(std::string input, const DecodeChain& chain, std::int64_t timestamp);

    // Lists identify an entry by its text; a history never holds two entries with the same one.
    const std::string& id() const { return input; }
    // "base64 → json" for a recognised entry, "unrecognized" otherwise.
    std::string shapeLabel() const;
    // The same entry with every secret in its input masked where it stands.
    HistoryEntry withoutSecrets() const;
    bool isCut() const { return fullSize.has_value(); }

    bool operator==(const HistoryEntry&) const = default;
};

} // namespace tindrel
