#pragma once

#include "TindrelAI/ArtifactExplainer.h"
#include "TindrelAI/model/LocalModel.h"

#include <optional>
#include <string>
#include <string_view>

namespace tindrel {

// The explainer backed by a language model served on this machine (Ollama, llama-server, LM Studio, …).
// Every call finds the server afresh and holds one stateless exchange; every failure, cancellation
// included, ends in the deterministic text.
class FoundationModelExplainer final : public ArtifactExplainer {
public:
    FoundationModelExplainer() = default;
    explicit FoundationModelExplainer(ModelLimits limits)
        : limits_(limits) {}

    std::string explain(const DecodeChain& chain, const Cancellation& cancellation) const override;
    // The model's own explanation: nothing when it is unavailable, fails or says nothing.
    std::optional<std::string> modelExplanation(const DecodeChain& chain,
                                                const Cancellation& cancellation) const;

    static bool isAvailable();
    // The case name of the reason ("serverUnreachable", "nonLocalEndpoint", …); nothing when available.
    static std::optional<std::string> unavailabilityReason();

    static std::string answer(std::string_view question, const DecodeChain& chain,
                              const Cancellation& cancellation = {}, const ModelLimits& limits = {});
    // The model's own answer: nothing when it is unavailable, fails or says nothing.
    static std::optional<std::string> modelAnswer(std::string_view question, const DecodeChain& chain,
                                                  const Cancellation& cancellation,
                                                  const ModelLimits& limits);

private:
    ModelLimits limits_;
};

} // namespace tindrel
