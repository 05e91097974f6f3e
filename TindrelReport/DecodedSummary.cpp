#include "TindrelReport/DecodedSummary.h"

#include "TindrelCore/text/Text.h"

namespace tindrel {
namespace {

const Details& firstDetails(const DecodeChain& chain) {
    static const Details none;
    return chain.steps.empty() ? none : chain.steps.front().details;
}

std::string kindLabelOf(const DecodeChain& chain) {
    if (chain.steps.empty()) return "Unknown";
    return std::string(detection_kind::displayName(chain.steps.front().kind));
}

std::optional<SemanticStatus> statusOf(const Details& details) {
    auto expired = details.find("expired");
    if (expired == details.end()) return std::nullopt;
    if (expired->second == "true") return SemanticStatus::warn("Expired");
    if (expired->second == "false") return SemanticStatus::good("Valid");
    return std::nullopt;
}

bool isStructured(std::string_view payload) {
    std::string_view trimmed = Text::trim(payload);
    return !trimmed.empty() && (trimmed.front() == '{' || trimmed.front() == '[');
}

} // namespace

DecodedSummary::DecodedSummary(const DecodeChain& chain, const MediumDateFormatter& mediumDate)
    : kindLabel(kindLabelOf(chain))
    , status(statusOf(firstDetails(chain)))
    , path(chain.shape())
    , facts(curate(firstDetails(chain), mediumDate))
    , payload(chain.finalValue())
    , payloadIsStructured(isStructured(payload)) {}

} // namespace tindrel
