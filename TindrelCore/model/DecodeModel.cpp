#include "TindrelCore/model/DecodeModel.h"

#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cmath>

namespace tindrel {

bool DecodeResult::operator==(const DecodeResult& other) const {
    return kind == other.kind && output == other.output && confidence == other.confidence &&
           summary == other.summary && details == other.details && terminal == other.terminal;
}

namespace {

// What a document needs of any answer, chosen or not.
bool canBeWritten(double confidence, std::string_view summary) {
    return std::isfinite(confidence) && Text::isValidUTF8(summary);
}

} // namespace

bool Alternative::canBeWritten() const {
    return tindrel::canBeWritten(confidence, summary);
}

bool DecodeResult::canBeWritten() const {
    if (!tindrel::canBeWritten(confidence, summary) || !Text::isValidUTF8(output)) return false;
    return std::ranges::all_of(details, [](const auto& detail) {
        return Text::isValidUTF8(detail.first) && Text::isValidUTF8(detail.second);
    });
}

std::string_view stopCauseName(StopReason::Cause cause) {
    switch (cause) {
    case StopReason::Cause::terminal:
        return "terminal";
    case StopReason::Cause::nothingRecognized:
        return "nothingRecognized";
    case StopReason::Cause::repeatedText:
        return "repeatedText";
    case StopReason::Cause::depthLimit:
        return "depthLimit";
    }
    return "nothingRecognized";
}

bool DecodeChain::operator==(const DecodeChain& other) const {
    return input == other.input && steps == other.steps;
}

std::vector<DetectionKind> DecodeChain::kinds() const {
    std::vector<DetectionKind> result;
    result.reserve(steps.size());
    for (const DecodeResult& step : steps)
        result.push_back(step.kind);
    return result;
}

std::vector<std::string> DecodeChain::shape() const {
    std::vector<std::string> result;
    result.reserve(steps.size());
    for (const DecodeResult& step : steps)
        result.emplace_back(detection_kind::rawValue(step.kind));
    return result;
}

std::string DecodeChain::shapeText() const {
    std::string text;
    for (const DecodeResult& step : steps) {
        if (!text.empty()) text += " \u2192 ";
        text += detection_kind::rawValue(step.kind);
    }
    return text;
}

} // namespace tindrel
