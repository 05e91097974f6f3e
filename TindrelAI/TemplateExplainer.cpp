#include "TindrelAI/TemplateExplainer.h"

#include "TindrelAI/DetailCategorizer.h"

#include <optional>

namespace tindrel {
namespace {

constexpr std::string_view notRecognized = "Not recognized as a known artifact. It may be plain text, an "
                                           "unsupported format, or only a fragment \u2014 try pasting more "
                                           "context.";

// The first security note, recommendation and other explanatory note met along the chain.
struct FirstNotes {
    std::optional<std::string> security;
    std::optional<std::string> recommendation;
    std::optional<std::string> other;

    void take(const DetailCategorizer::Pair& note) {
        const auto& [key, value] = note;
        std::optional<std::string>& slot = key == "security"         ? security
                                           : key == "recommendation" ? recommendation
                                                                     : other;
        if (!slot) slot = value;
    }
};

std::string firstSentence(const DecodeChain& chain) {
    if (chain.steps.size() == 1) return "This is " + chain.steps.front().summary + ".";
    return "This is a " + chain.shapeText() + " chain: " + chain.steps.front().summary + ".";
}

} // namespace

std::string TemplateExplainer::explain(const DecodeChain& chain, const Cancellation&) const {
    return explainSync(chain);
}

std::string TemplateExplainer::explainSync(const DecodeChain& chain) {
    if (!chain.isRecognized()) return std::string(notRecognized);
    FirstNotes notes;
    for (const DecodeResult& step : chain.steps)
        for (const auto& note : DetailCategorizer(step.details).engineNotes)
            notes.take(note);
    std::string text = firstSentence(chain);
    if (notes.security) text += " Security: " + *notes.security;
    if (notes.recommendation) text += " Next: " + *notes.recommendation;
    if (!notes.security && !notes.recommendation && notes.other) text += " " + *notes.other;
    return text;
}

} // namespace tindrel
