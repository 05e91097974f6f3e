#pragma once

#include "TindrelCore/ChainEngine.h"
#include "TindrelCore/DecodeModel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

// One artifact found inside a scanned text.
struct ScanFinding {
    std::string matchedText; // the exact span that was decoded, untrimmed
    std::size_t line;        // 1-based line on which the span begins
    DecodeChain chain;       // the engine's chain for matchedText; never empty

    // The kind of the chain's first step.
    std::optional<DetectionKind> kind() const;

    bool operator==(const ScanFinding&) const = default;
};

// Finds every embedded artifact in a text (typically a log): candidate spans proposed by a fixed
// list of patterns in priority order, kept when the engine recognises them and they overlap no span
// kept before, returned in text order. Time grows linearly with the text.
struct Scanner {
    ChainEngine engine;

    std::vector<ScanFinding> scan(std::string_view text) const;
};

} // namespace tindrel
