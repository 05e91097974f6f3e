#include "TindrelReport/InsightHeadline.h"

#include "TindrelCore/text/TextCase.h"
#include "TindrelReport/DecodedSummary.h"

namespace tindrel {

std::string insightHeadline(const DecodeChain& chain) {
    DecodedSummary summary(chain, MediumDateFormatter());
    std::string phrase;
    auto addWord = [&](const std::string& word) { phrase += (phrase.empty() ? "" : " ") + word; };
    if (summary.status) addWord(TextCase::lowercased(summary.status->text));
    if (!chain.steps.empty()) {
        const Details& details = chain.steps.front().details;
        if (auto alg = details.find("alg"); alg != details.end()) addWord(alg->second);
    }
    addWord(summary.kindLabel);
    // The article follows the first letter, not the sound: "an URL", "an UUID".
    bool vowel = std::string_view("aeiouAEIOU").find(phrase.front()) != std::string_view::npos;
    return "This is " + std::string(vowel ? "an" : "a") + " " + phrase + ".";
}

} // namespace tindrel
