#include "TindrelCore/engine/ChainEngine.h"

#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tindrel {
namespace {

// A detector that fails in any way (even out of memory) is a detector without an answer.
std::optional<DecodeResult> safeDecode(const Detector& detector, std::string_view text) {
    try {
        return detector.decode(text);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<bool> safeVerdict(const Detector& detector, std::string_view text, double threshold) {
    try {
        return detector.answersConfidently(text, threshold);
    } catch (...) {
        return std::nullopt; // decoding will tell
    }
}

bool makesProgress(const DecodeResult& result, std::string_view current) {
    return result.terminal || result.output != current;
}

// An answer whose text is not UTF-8, or whose confidence is not a finite number, is one no
// document can hold: written out, it would turn the whole export into "{}". The engine takes it
// for no answer, so every chain it makes of UTF-8 text can be written, which a scan that counts its
// findings before it writes them relies on. Only answers that could count are looked at (most lose
// on their confidence first), and none of a detector whose answers can always be written.
struct Answer {
    const DecodeResult& result;
    const Detector& detector; // whose answer it is

    bool canBeWritten() const { return detector.alwaysWritable() || result.canBeWritten(); }
};

// An answer the engine could take as the next step on its own choosing.
bool couldBeChosen(const Answer& answer, std::string_view current, double threshold) {
    return answer.result.confidence >= threshold && makesProgress(answer.result, current) &&
           answer.canBeWritten();
}

Alternative alternativeOf(DecodeResult& result) {
    return {result.kind, result.confidence, std::move(result.summary)};
}

// What offering one text to every detector gave. Losing answers are cut down to their kind,
// confidence and summary as soon as they lose, so no more decoded outputs are held than before.
class Round {
public:
    Round(double threshold, std::string_view current, std::optional<DetectionKind> chosenKind)
        : threshold_(threshold)
        , current_(current)
        , chosenKind_(chosenKind) {}

    // Answers arrive in detector order; ties go to the earlier one.
    void offer(std::optional<DecodeResult> result, std::size_t position, const Detector& detector) {
        if (!result) return;
        const Answer answer{*result, detector};
        const bool alternative = couldBeChosen(answer, current_, threshold_);
        if (eligible(answer, alternative) && (!chosen_ || result->confidence > chosen_->confidence)) {
            if (chosen_ && chosenIsAlternative_)
                others_.emplace_back(chosenPosition_, alternativeOf(*chosen_));
            chosen_ = std::move(result);
            chosenPosition_ = position;
            chosenIsAlternative_ = alternative;
        } else if (alternative) {
            others_.emplace_back(position, alternativeOf(*result));
        } else if (fellShort(*result) && (!closest_ || result->confidence > closest_->confidence)) {
            Alternative miss = alternativeOf(*result);
            if (detector.alwaysWritable() || miss.canBeWritten()) closest_ = std::move(miss);
        }
    }

    // The chosen answer, carrying the alternatives most confident first, in detector order at equal
    // confidence.
    std::optional<DecodeResult> takeChosen() {
        if (!chosen_) return std::nullopt;
        std::stable_sort(others_.begin(), others_.end(), [](const auto& a, const auto& b) {
            if (a.second.confidence != b.second.confidence) return a.second.confidence > b.second.confidence;
            return a.first < b.first;
        });
        chosen_->alternatives.reserve(others_.size());
        for (auto& [position, alternative] : others_)
            chosen_->alternatives.push_back(std::move(alternative));
        return std::move(chosen_);
    }

    std::optional<Alternative> takeClosest() { return std::move(closest_); }

private:
    // `alternative`: whether it is one, as couldBeChosen tells.
    bool eligible(const Answer& answer, bool alternative) const {
        return chosenKind_ ? answer.result.kind == *chosenKind_ && answer.canBeWritten() : alternative;
    }
    bool fellShort(const DecodeResult& result) const {
        return !chosenKind_ && result.confidence < threshold_ && makesProgress(result, current_);
    }

    double threshold_;
    std::string_view current_;
    std::optional<DetectionKind> chosenKind_;
    std::optional<DecodeResult> chosen_;
    std::size_t chosenPosition_ = 0;
    bool chosenIsAlternative_ = false;
    std::vector<std::pair<std::size_t, Alternative>> others_;
    std::optional<Alternative> closest_;
};

// Whether the last step's output is a text the chain already worked on. The chain itself holds
// every such text, so nothing is copied to remember them: inputs can be gigabytes.
bool repeatsEarlierText(const DecodeChain& chain, std::string_view input) {
    std::string_view latest = chain.steps.back().output;
    if (latest == Text::trim(input)) return true;
    for (std::size_t i = 0; i + 1 < chain.steps.size(); ++i)
        if (chain.steps[i].output == latest) return true;
    return false;
}

std::optional<DetectionKind> chosenFor(const ChosenReadings& chosen, std::size_t step) {
    auto found = chosen.find(step);
    if (found == chosen.end()) return std::nullopt;
    return found->second;
}

// The first chosen reading for a step the chain never got to.
std::optional<RefusedReading> firstUnreached(const ChosenReadings& chosen, std::size_t stepCount) {
    auto first = chosen.lower_bound(stepCount);
    if (first == chosen.end()) return std::nullopt;
    return RefusedReading{first->first, first->second, false};
}

} // namespace

DecodeChain ChainEngine::inspect(std::string_view text) const {
    return inspectOwned(std::string(text));
}

DecodeChain ChainEngine::inspectOwned(std::string text) const {
    DecodeChain chain{std::move(text), {}};
    extend(chain, chain.input, {});
    return chain;
}

bool ChainEngine::recognises(std::string_view text) const {
    std::size_t firstAsked = 0;
    return recognises(text, firstAsked);
}

bool ChainEngine::recognises(std::string_view text, std::size_t& firstAsked) const {
    if (maxDepth <= 0) return false; // the one stop before a first step
    const std::string_view current = Text::trim(text);
    const ByteClass::Set held = ByteClass::of(current);
    auto answers = [&](std::size_t i) {
        if (!detectors[i]->gate().admits(held)) return false;
        if (std::optional<bool> told = safeVerdict(*detectors[i], current, threshold)) return *told;
        std::optional<DecodeResult> result = safeDecode(*detectors[i], current);
        return result && couldBeChosen({*result, *detectors[i]}, current, threshold);
    };
    if (firstAsked < detectors.size() && answers(firstAsked)) return true;
    for (std::size_t i = 0; i < detectors.size(); ++i)
        if (i != firstAsked && answers(i)) {
            firstAsked = i;
            return true;
        }
    return false;
}

bool ChainEngine::answersAtOnce(std::string_view text, std::size_t asked) const {
    return maxDepth > 0 && asked < detectors.size() &&
           safeVerdict(*detectors[asked], Text::trim(text), threshold).value_or(false);
}

std::size_t ChainEngine::placeOf(DetectionKind kind) const {
    auto found = std::find_if(detectors.begin(), detectors.end(),
                              [kind](const auto& detector) { return detector->kind() == kind; });
    return static_cast<std::size_t>(found - detectors.begin());
}

std::optional<DecodeChain> ChainEngine::recognise(std::string_view text) const {
    DecodeChain chain;
    extend(chain, text, {});
    if (!chain.isRecognized()) return std::nullopt;
    chain.input = std::string(text);
    return chain;
}

ReadingOutcome ChainEngine::inspect(std::string text, const ChosenReadings& chosen) const {
    ReadingOutcome outcome{DecodeChain{std::move(text), {}}, std::nullopt};
    outcome.refused = extend(outcome.chain, outcome.chain.input, chosen);
    return outcome;
}

ReadingOutcome ChainEngine::reread(const DecodeChain& chain, std::size_t step, DetectionKind kind) const {
    auto kept = static_cast<std::ptrdiff_t>(std::min(step, chain.steps.size()));
    ReadingOutcome outcome{
        DecodeChain{chain.input, std::vector<DecodeResult>(chain.steps.begin(), chain.steps.begin() + kept)},
        std::nullopt};
    outcome.refused = extend(outcome.chain, outcome.chain.input, {{step, kind}});
    return outcome;
}

// The stop conditions met before another step is tried, in the order they are tested.
std::optional<StopReason> ChainEngine::stopBeforeNextStep(const DecodeChain& chain,
                                                          std::string_view input) const {
    if (!chain.steps.empty() && chain.steps.back().terminal) return StopReason{StopReason::Cause::terminal};
    if (maxDepth <= 0 || chain.steps.size() >= static_cast<std::size_t>(maxDepth))
        return StopReason{StopReason::Cause::depthLimit};
    if (!chain.steps.empty() && repeatsEarlierText(chain, input))
        return StopReason{StopReason::Cause::repeatedText};
    return std::nullopt;
}

std::optional<RefusedReading> ChainEngine::extend(DecodeChain& chain, std::string_view input,
                                                  const ChosenReadings& chosen) const {
    for (;;) {
        if (std::optional<StopReason> stop = stopBeforeNextStep(chain, input)) {
            chain.stop = std::move(*stop);
            return firstUnreached(chosen, chain.steps.size());
        }
        const std::size_t step = chain.steps.size();
        const std::optional<DetectionKind> chosenKind = chosenFor(chosen, step);
        // Views into the chain are taken afresh each round: the step list may have moved.
        std::string_view current =
            step == 0 ? Text::trim(input) : std::string_view(chain.steps.back().output);
        Round round(threshold, current, chosenKind);
        const ByteClass::Set held = ByteClass::of(Text::trim(current));
        for (std::size_t i = 0; i < detectors.size(); ++i)
            if (detectors[i]->gate().admits(held))
                round.offer(safeDecode(*detectors[i], current), i, *detectors[i]);
        std::optional<DecodeResult> next = round.takeChosen();
        if (!next) {
            chain.stop = StopReason{StopReason::Cause::nothingRecognized, round.takeClosest()};
            if (chosenKind) return RefusedReading{step, *chosenKind, true};
            return firstUnreached(chosen, step);
        }
        chain.steps.push_back(std::move(*next));
    }
}

} // namespace tindrel
