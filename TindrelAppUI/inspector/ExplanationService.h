#pragma once

#include "TindrelAI/Cancellation.h"
#include "TindrelCore/model/DecodeModel.h"

#include <memory>
#include <string>
#include <string_view>

namespace tindrel {

// What the inspector model asks of the explanation layer. Every call may block (a local model
// generating, a server probe), so the model makes them off the interface thread; none of them fails.
class ExplanationService {
public:
    virtual ~ExplanationService() = default;
    // Whether the local language model can answer at this moment.
    virtual bool modelAvailable() const = 0;
    virtual std::string explain(const DecodeChain& chain, const Cancellation& cancellation) const = 0;
    // The model's answer when `useModel`, the deterministic answer otherwise.
    virtual std::string answer(std::string_view question, const DecodeChain& chain, bool useModel) const = 0;
};

// The real layer: the local model when available, the templates otherwise.
std::shared_ptr<const ExplanationService> standardExplanations();

} // namespace tindrel
