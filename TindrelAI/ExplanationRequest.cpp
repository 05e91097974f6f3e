#include "TindrelAI/ExplanationRequest.h"

#include "TindrelAI/DetailCategorizer.h"
#include "TindrelCore/text/Text.h"

namespace tindrel {
namespace {

constexpr std::string_view instructionsText =
    "You are the explanation layer of Tindrel, a local developer tool that inspects technical artifacts "
    "(tokens, payloads, certs, logs) entirely on the user's computer.\n"
    "A deterministic engine has ALREADY identified the artifact and extracted the facts. Your only job is "
    "to explain, in plain English, what it is, what it means, and the most useful next step.\n"
    "Rules:\n"
    "- Trust the provided facts as ground truth. Never contradict, re-decode, or invent values, dates, or "
    "fields beyond what is given.\n"
    "- Be concise: 2-4 sentences, no preamble, no markdown headers.\n"
    "- If there is a security note, surface it clearly.\n"
    "- If nothing was recognized, say so plainly and suggest what the user could try.";

constexpr std::size_t factLimit = 200;
constexpr std::size_t finalValueLimit = 600;
constexpr std::size_t rawInputLimit = 400;

// The first `limit` user-perceived characters and an ellipsis, or the whole text when it fits.
std::string cut(std::string_view text, std::size_t limit) {
    std::string_view head = Text::prefixCharacters(text, limit);
    if (head.size() == text.size()) return std::string(text);
    return std::string(head) + "\u2026";
}

void appendLayer(std::string& out, std::size_t number, const DecodeResult& step) {
    out += "Layer " + std::to_string(number) + " \u2014 ";
    out += detection_kind::rawValue(step.kind);
    out += ": " + step.summary + "\n";
    DetailCategorizer split(step.details);
    if (!split.facts.empty()) out += "  Facts:\n";
    for (const auto& [key, value] : split.facts)
        out += "    - " + key + ": " + cut(value, factLimit) + "\n";
    if (!split.engineNotes.empty()) out += "  Engine notes:\n";
    for (const auto& note : split.engineNotes)
        out += "    - " + note.second + "\n";
}

std::string unrecognizedPrompt(const DecodeChain& chain) {
    return "The engine did not recognize this input as any known artifact.\nRaw input:\n" +
           cut(chain.input, rawInputLimit);
}

} // namespace

std::string_view ExplanationRequest::explanationInstructions() {
    return instructionsText;
}

std::string ExplanationRequest::buildPrompt(const DecodeChain& chain) {
    if (!chain.isRecognized()) return unrecognizedPrompt(chain);
    std::string out = "Decode shape: " + chain.shapeText() + "\n\n";
    for (std::size_t i = 0; i < chain.steps.size(); ++i)
        appendLayer(out, i + 1, chain.steps[i]);
    out += "\nFinal decoded value:\n";
    out += cut(chain.finalValue(), finalValueLimit);
    return out;
}

ExplanationRequest::ExplanationRequest(const DecodeChain& chain)
    : instructions(instructionsText)
    , prompt(buildPrompt(chain))
    , isRecognized(chain.isRecognized()) {}

} // namespace tindrel
