#include "TindrelCore/engine/ChainEngine.h"

#include "TindrelCore/text/Text.h"

namespace tindrel {
namespace {

// A detector that fails in any way (even out of memory) is a detector without an answer.
std::optional<DecodeResult> safeDecode(const Detector& detector, std::string_view text) {
    try {
        return detector.decode(text);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<DecodeResult> bestCandidate(const DetectorList& detectors, double threshold,
                                          std::string_view current) {
    std::optional<DecodeResult> best;
    for (const auto& detector : detectors) {
        std::optional<DecodeResult> result = safeDecode(*detector, current);
        if (!result || result->confidence < threshold) continue;
        if (!result->terminal && result->output == current) continue;
        if (!best || result->confidence > best->confidence) best = std::move(result);
    }
    return best;
}

// Whether the last step's output is a text the chain already worked on. The chain itself holds
// every such text, so nothing is copied to remember them: inputs can be gigabytes.
bool repeatsEarlierText(const DecodeChain& chain) {
    std::string_view latest = chain.steps.back().output;
    if (latest == Text::trim(chain.input)) return true;
    for (std::size_t i = 0; i + 1 < chain.steps.size(); ++i)
        if (chain.steps[i].output == latest) return true;
    return false;
}

} // namespace

DecodeChain ChainEngine::inspect(std::string_view text) const {
    return inspectOwned(std::string(text));
}

DecodeChain ChainEngine::inspectOwned(std::string text) const {
    DecodeChain chain{std::move(text), {}};
    if (maxDepth <= 0) return chain;

    std::string_view current = Text::trim(chain.input);
    for (;;) {
        std::optional<DecodeResult> chosen = bestCandidate(detectors, threshold, current);
        if (!chosen) break;
        chain.steps.push_back(std::move(*chosen));
        if (chain.steps.back().terminal) break;
        if (chain.steps.size() >= static_cast<std::size_t>(maxDepth)) break;
        if (repeatsEarlierText(chain)) break;
        // Views into the chain are taken afresh each round: the step list may have moved.
        current = chain.steps.back().output;
    }
    return chain;
}

} // namespace tindrel
