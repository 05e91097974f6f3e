#include "TindrelAI/TindrelExplain.h"

#include "TindrelAI/FollowUp.h"
#include "TindrelAI/TemplateExplainer.h"
#include "TindrelAI/model/FoundationModelExplainer.h"

namespace tindrel::TindrelExplain {

std::unique_ptr<ArtifactExplainer> bestExplainer() {
    if (FoundationModelExplainer::isAvailable()) return std::make_unique<FoundationModelExplainer>();
    return std::make_unique<TemplateExplainer>();
}

ExplainerSource currentSource() {
    return FoundationModelExplainer::isAvailable() ? ExplainerSource::onDeviceAI
                                                   : ExplainerSource::deterministic;
}

std::string explain(const DecodeChain& chain, const Cancellation& cancellation) {
    return explainWithSource(chain, cancellation).text;
}

std::string answer(std::string_view question, const DecodeChain& chain, const Cancellation& cancellation) {
    return answerWithSource(question, chain, cancellation).text;
}

// The model explainer checks availability itself and answers nothing when it is missing, so asking
// it directly gives the same result as choosing an explainer first, with one probe instead of two.
Explanation explainWithSource(const DecodeChain& chain, const Cancellation& cancellation) {
    if (auto text = FoundationModelExplainer().modelExplanation(chain, cancellation))
        return {std::move(*text), ExplainerSource::onDeviceAI};
    return {TemplateExplainer::explainSync(chain), ExplainerSource::deterministic};
}

Explanation answerWithSource(std::string_view question, const DecodeChain& chain,
                             const Cancellation& cancellation) {
    if (auto text = FoundationModelExplainer::modelAnswer(question, chain, cancellation, ModelLimits{}))
        return {std::move(*text), ExplainerSource::onDeviceAI};
    return {FollowUp::deterministicAnswer(question, chain), ExplainerSource::deterministic};
}

} // namespace tindrel::TindrelExplain
