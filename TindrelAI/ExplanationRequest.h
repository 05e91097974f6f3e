#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <string>
#include <string_view>

namespace tindrel {

// What the language model is given for one chain: fixed instructions and the verified facts.
struct ExplanationRequest {
    std::string instructions;
    std::string prompt;
    bool isRecognized = false;

    explicit ExplanationRequest(const DecodeChain& chain);

    // The facts layer by layer, or the raw input when nothing was recognised. Follow-up questions
    // reuse it as their block of facts.
    static std::string buildPrompt(const DecodeChain& chain);
    static std::string_view explanationInstructions();

    bool operator==(const ExplanationRequest&) const = default;
};

} // namespace tindrel
