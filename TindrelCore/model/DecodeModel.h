#pragma once

#include "TindrelCore/model/DetectionKind.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

// Named facts about one step; std::map keeps them in key order for every reader.
using Details = std::map<std::string, std::string>;

// One decoding step.
struct DecodeResult {
    DetectionKind kind;
    std::string output;
    double confidence;
    std::string summary;
    Details details;
    bool terminal;

    bool operator==(const DecodeResult&) const = default;
};

// The result of inspecting one input: the caller's text, untrimmed, and the steps applied to it.
struct DecodeChain {
    std::string input;
    std::vector<DecodeResult> steps;

    bool isRecognized() const { return !steps.empty(); }
    const std::string& finalValue() const { return steps.empty() ? input : steps.back().output; }
    std::vector<DetectionKind> kinds() const;
    // Raw values of the kinds in step order.
    std::vector<std::string> shape() const;
    // The shape written with " → " between the kinds.
    std::string shapeText() const;

    bool operator==(const DecodeChain&) const = default;
};

// One stateless recogniser. decode answers a step, or nothing when the text is not of its kind.
class Detector {
public:
    virtual ~Detector() = default;
    virtual DetectionKind kind() const = 0;
    virtual std::optional<DecodeResult> decode(std::string_view text) const = 0;
};

} // namespace tindrel
