#pragma once

#include "TindrelCore/model/Details.h"
#include "TindrelCore/model/DetectionKind.h"
#include "TindrelCore/model/DetectorGate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

// Another detector's answer for the same text: what the step could also have been read as.
struct Alternative {
    DetectionKind kind;
    double confidence;
    std::string summary;

    bool operator==(const Alternative&) const = default;
    // Whether a document can hold it: its summary UTF-8 and its confidence a finite number.
    bool canBeWritten() const;
};

// One decoding step.
struct DecodeResult {
    DetectionKind kind;
    std::string output;
    double confidence;
    std::string summary;
    Details details;
    bool terminal;
    // Set by the chain engine: the other confident answers that would have made progress, most
    // confident first. Detectors leave it empty.
    std::vector<Alternative> alternatives{};

    // The six fields the step is made of: the alternatives only record how the engine chose it.
    bool operator==(const DecodeResult& other) const;
    // Whether a document can hold the step: its texts UTF-8 and its confidence a finite number.
    bool canBeWritten() const;
};

// Why the chain engine added no further step.
struct StopReason {
    // The names are what the extended JSON export writes.
    enum class Cause {
        terminal,          // the last step is a final rendering
        nothingRecognized, // no answer at or above the threshold made progress
        repeatedText,      // the last step's output is a text the chain already worked on
        depthLimit,        // the chain holds as many steps as the engine allows
    };
    Cause cause = Cause::nothingRecognized;
    // nothingRecognized only: the most confident answer that fell short of the threshold.
    std::optional<Alternative> closest{};

    bool operator==(const StopReason&) const = default;
};

std::string_view stopCauseName(StopReason::Cause cause);

// The result of inspecting one input: the caller's text, untrimmed, and the steps applied to it.
struct DecodeChain {
    std::string input;
    std::vector<DecodeResult> steps;
    // Set by the chain engine; a chain built by hand reads as one where nothing more was recognised.
    StopReason stop{};

    bool isRecognized() const { return !steps.empty(); }
    const std::string& finalValue() const { return steps.empty() ? input : steps.back().output; }
    std::vector<DetectionKind> kinds() const;
    // Raw values of the kinds in step order.
    std::vector<std::string> shape() const;
    // The shape written with " → " between the kinds.
    std::string shapeText() const;

    // Input and steps: the stop reason follows from them.
    bool operator==(const DecodeChain& other) const;
};

// One stateless recogniser. decode answers a step, or nothing when the text is not of its kind.
class Detector {
public:
    explicit Detector(DetectorGate gate = {})
        : gate_(gate) {}
    virtual ~Detector() = default;
    virtual DetectionKind kind() const = 0;
    virtual std::optional<DecodeResult> decode(std::string_view text) const = 0;
    // Whether decode would answer with a step at least `threshold` confident that is terminal or
    // changes the text, told without building the step; nothing when only decoding can tell. A scan
    // asks this of texts it only needs a verdict on.
    virtual std::optional<bool> answersConfidently(std::string_view, double) const { return std::nullopt; }
    // The texts that decode may answer, told from the kinds of byte they hold.
    const DetectorGate& gate() const { return gate_; }
    // Whether every answer of decode, whatever the text, can be written: the engine then need not
    // check each one. Only detectors that make every answer of fixed words and the ASCII of the text
    // say so.
    virtual bool alwaysWritable() const { return false; }

private:
    DetectorGate gate_;
};

} // namespace tindrel
