#include "TindrelAI/FollowUp.h"
#include "TindrelAI/TindrelExplain.h"
#include "TindrelAI/model/FoundationModelExplainer.h"
#include "TindrelAppUI/inspector/ExplanationService.h"

namespace tindrel {
namespace {

class StandardExplanations final : public ExplanationService {
public:
    bool modelAvailable() const override { return FoundationModelExplainer::isAvailable(); }

    std::string explain(const DecodeChain& chain, const Cancellation& cancellation) const override {
        return TindrelExplain::explain(chain, cancellation);
    }

    std::string answer(std::string_view question, const DecodeChain& chain, bool useModel) const override {
        if (useModel) return FoundationModelExplainer::answer(question, chain);
        return FollowUp::deterministicAnswer(question, chain);
    }
};

} // namespace

std::shared_ptr<const ExplanationService> standardExplanations() {
    return std::make_shared<StandardExplanations>();
}

} // namespace tindrel
