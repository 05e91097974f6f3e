#include "TindrelAI/model/FoundationModelExplainer.h"

#include "TindrelAI/ExplanationRequest.h"
#include "TindrelAI/FollowUp.h"
#include "TindrelAI/TemplateExplainer.h"

namespace tindrel {
namespace {

ModelProbe probeNow() {
    return LocalModel::probe(ModelSettings::current(), ModelLimits{}, Cancellation{});
}

} // namespace

std::string FoundationModelExplainer::explain(const DecodeChain& chain,
                                              const Cancellation& cancellation) const {
    return modelExplanation(chain, cancellation).value_or(TemplateExplainer::explainSync(chain));
}

std::optional<std::string>
FoundationModelExplainer::modelExplanation(const DecodeChain& chain, const Cancellation& cancellation) const {
    return LocalModel::respond(ExplanationRequest::explanationInstructions(),
                               ExplanationRequest::buildPrompt(chain), limits_, cancellation);
}

bool FoundationModelExplainer::isAvailable() {
    return probeNow().connection.has_value();
}

std::optional<std::string> FoundationModelExplainer::unavailabilityReason() {
    ModelProbe found = probeNow();
    if (found.connection) return std::nullopt;
    return std::string(reasonName(found.reason));
}

std::string FoundationModelExplainer::answer(std::string_view question, const DecodeChain& chain,
                                             const Cancellation& cancellation, const ModelLimits& limits) {
    return modelAnswer(question, chain, cancellation, limits)
        .value_or(FollowUp::deterministicAnswer(question, chain));
}

std::optional<std::string> FoundationModelExplainer::modelAnswer(std::string_view question,
                                                                 const DecodeChain& chain,
                                                                 const Cancellation& cancellation,
                                                                 const ModelLimits& limits) {
    std::string prompt = FollowUp::prompt(question, ExplanationRequest::buildPrompt(chain));
    return LocalModel::respond(FollowUp::instructions(), prompt, limits, cancellation);
}

} // namespace tindrel
