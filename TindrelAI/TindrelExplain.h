#pragma once

#include "TindrelAI/ArtifactExplainer.h"
#include "TindrelAI/ExplainerSource.h"

#include <memory>
#include <string>
#include <string_view>

// The explanation layer as the app and the command use it: the local model when one is available,
// the deterministic texts otherwise. Availability is decided afresh at every call.
namespace tindrel::TindrelExplain {

struct Explanation {
    std::string text;
    ExplainerSource source; // who actually wrote the text, after any fallback

    bool operator==(const Explanation&) const = default;
};

std::unique_ptr<ArtifactExplainer> bestExplainer();
ExplainerSource currentSource();

std::string explain(const DecodeChain& chain, const Cancellation& cancellation = {});
std::string answer(std::string_view question, const DecodeChain& chain,
                   const Cancellation& cancellation = {});

Explanation explainWithSource(const DecodeChain& chain, const Cancellation& cancellation = {});
Explanation answerWithSource(std::string_view question, const DecodeChain& chain,
                             const Cancellation& cancellation = {});

} // namespace tindrel::TindrelExplain
