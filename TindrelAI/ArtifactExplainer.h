#pragma once

#include "TindrelAI/Cancellation.h"
#include "TindrelCore/model/DecodeModel.h"

#include <string>

namespace tindrel {

// Writes the plain-English explanation of a chain. It never fails: every failure ends in text.
// The call may block for as long as a local model generates, so run it off the interface thread.
class ArtifactExplainer {
public:
    virtual ~ArtifactExplainer() = default;
    virtual std::string explain(const DecodeChain& chain, const Cancellation& cancellation) const = 0;
};

} // namespace tindrel
