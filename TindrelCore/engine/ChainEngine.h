#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

using DetectorList = std::vector<std::shared_ptr<const Detector>>;

// Readings a person chose over the engine's: the step at each index (0 for the first) takes the
// answer of that kind, whatever its confidence.
using ChosenReadings = std::map<std::size_t, DetectionKind>;

// A chosen reading that could not be taken: no detector answered with that kind for the step's
// text, or the chain ended before that step.
struct RefusedReading {
    std::size_t step;
    DetectionKind kind;
    bool reached;

    bool operator==(const RefusedReading&) const = default;
};

// A chain with chosen readings. When one is refused, `chain` holds the steps before it.
struct ReadingOutcome {
    DecodeChain chain;
    std::optional<RefusedReading> refused;
};

// Offers the text to every detector, keeps the most confident progressing answer and repeats on
// its output until a terminal step, a text seen before, no candidate, or maxDepth steps. Each step
// records the other confident answers, and the chain why it stopped.
struct ChainEngine {
    DetectorList detectors; // list order breaks ties
    double threshold;
    int maxDepth;

    DecodeChain inspect(std::string_view text) const;
    // The same, keeping `text` itself as the chain's input rather than a copy of it.
    DecodeChain inspectOwned(std::string text) const;
    // The chain of a text that a detector recognises; nothing for one that none does, whose text
    // is then never copied (most of the texts a scan offers).
    std::optional<DecodeChain> recognise(std::string_view text) const;
    // Whether inspect would recognise the text: the detectors are asked only until one answers
    // well enough for a first step, and nothing is built past that answer.
    bool recognises(std::string_view text) const;
    // The same, asking the detector at `firstAsked` before the others and setting it to the one
    // that answered: a scan's texts come in runs of one kind. The answer does not depend on it.
    bool recognises(std::string_view text, std::size_t& firstAsked) const;
    // Whether the detector at `asked` tells without decoding that it answers the text well enough
    // for a first step: the text is then recognised. False says nothing.
    bool answersAtOnce(std::string_view text, std::size_t asked) const;
    // The place in the list of the first detector of `kind`, or the list's size.
    std::size_t placeOf(DetectionKind kind) const;
    // The same with some steps' readings chosen; the others are the engine's own.
    ReadingOutcome inspect(std::string text, const ChosenReadings& chosen) const;
    // `chain`'s steps before `step` as they are, then the reading of `kind` for that step, then the
    // engine's own choices again.
    ReadingOutcome reread(const DecodeChain& chain, std::size_t step, DetectionKind kind) const;

private:
    // `input` is the chain's input, which the chain may not hold yet.
    std::optional<RefusedReading> extend(DecodeChain& chain, std::string_view input,
                                         const ChosenReadings& chosen) const;
    std::optional<StopReason> stopBeforeNextStep(const DecodeChain& chain, std::string_view input) const;
};

// The nineteen detectors in their fixed order; built once, read-only afterwards.
const DetectorList& defaultDetectors();

} // namespace tindrel
