#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

using DetectorList = std::vector<std::shared_ptr<const Detector>>;

// Offers the text to every detector, keeps the most confident progressing answer and repeats on
// its output until a terminal step, a text seen before, no candidate, or maxDepth steps.
struct ChainEngine {
    DetectorList detectors; // list order breaks ties
    double threshold;
    int maxDepth;

    DecodeChain inspect(std::string_view text) const;
    // The same, keeping `text` itself as the chain's input rather than a copy of it.
    DecodeChain inspectOwned(std::string text) const;
};

// The nineteen detectors in their fixed order; built once, read-only afterwards.
const DetectorList& defaultDetectors();

} // namespace tindrel
