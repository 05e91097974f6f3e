#include "TindrelAI/FollowUp.h"

#include "TindrelCore/text/Text.h"

namespace tindrel::FollowUp {

std::string_view instructions() {
    return "You are Tindrel's follow-up assistant. A deterministic engine has ALREADY decoded an artifact "
           "and extracted the facts the user will provide. Answer the user's question about that artifact.\n"
           "Rules:\n"
           "- Use ONLY the provided facts as ground truth. Never re-decode, invent, or contradict any value, "
           "date, or field.\n"
           "- If the facts don't contain the answer, say so plainly \u2014 do not guess.\n"
           "- Be concise: 1-3 sentences, plain English, no markdown headers, no preamble.\n"
           "- Stay on the topic of this artifact; decline unrelated requests.";
}

std::string prompt(std::string_view question, std::string_view facts) {
    std::string text = "Verified facts about the artifact:\n";
    text += facts;
    text += "\n\nThe user's question: ";
    text += Text::trim(question);
    text += "\n\nAnswer using ONLY the facts above.";
    return text;
}

std::string deterministicAnswer(std::string_view, const DecodeChain& chain) {
    if (!chain.isRecognized())
        return "On-device AI isn't available to answer that right now, and this input wasn't recognized as "
               "a known artifact \u2014 so there are no verified facts to draw on.";
    return "On-device AI isn't available to answer follow-ups right now. From the verified facts: this is " +
           chain.steps.front().summary + " (" + chain.shapeText() +
           "). The decoded details shown above are exact \u2014 try again once the local model is ready.";
}

} // namespace tindrel::FollowUp
