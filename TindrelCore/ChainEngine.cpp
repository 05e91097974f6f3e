#include "TindrelCore/ChainEngine.h"

#include "TindrelCore/Text.h"

#include <string>
#include <unordered_set>

namespace tindrel {
namespace {

// A detector that fails in any way (even out of memory) is a detector without an answer.
std::optional<DecodeResult> safeDecode(const Detector& detector, const std::string& text) {
    try {
        return detector.decode(text);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<DecodeResult> bestCandidate(const DetectorList& detectors, double threshold,
                                          const std::string& current) {
    std::optional<DecodeResult> best;
    for (const auto& detector : detectors) {
        std::optional<DecodeResult> result = safeDecode(*detector, current);
        if (!result || result->confidence < threshold) continue;
        if (!result->terminal && result->output == current) continue;
        if (!best || result->confidence > best->confidence) best = std::move(result);
    }
    return best;
}

} // namespace

DecodeChain ChainEngine::inspect(std::string_view text) const {
    DecodeChain chain{std::string(text), {}};
    if (maxDepth <= 0) return chain;

    std::string current(Text::trim(text));
    std::unordered_set<std::string> seen;
    while (seen.insert(current).second) {
        std::optional<DecodeResult> chosen = bestCandidate(detectors, threshold, current);
        if (!chosen) break;
        chain.steps.push_back(std::move(*chosen));
        const DecodeResult& step = chain.steps.back();
        if (step.terminal) break;
        current = step.output;
        if (chain.steps.size() >= static_cast<std::size_t>(maxDepth)) break;
    }
    return chain;
}

} // namespace tindrel
