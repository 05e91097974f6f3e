#pragma once

#include "TindrelAI/ArtifactExplainer.h"

namespace tindrel {

// The deterministic explanation, composed from the chain's summaries and engine notes.
class TemplateExplainer final : public ArtifactExplainer {
public:
    std::string explain(const DecodeChain& chain, const Cancellation& cancellation) const override;
    static std::string explainSync(const DecodeChain& chain);
};

} // namespace tindrel
