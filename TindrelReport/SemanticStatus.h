#pragma once

#include <string>

namespace tindrel {

// A short verdict shown as a pill; the tone picks its colour (success, warning, danger).
struct SemanticStatus {
    enum class Tone { good, warn, bad };

    Tone tone;
    std::string text;

    static SemanticStatus good(std::string text) { return {Tone::good, std::move(text)}; }
    static SemanticStatus warn(std::string text) { return {Tone::warn, std::move(text)}; }
    static SemanticStatus bad(std::string text) { return {Tone::bad, std::move(text)}; }

    bool operator==(const SemanticStatus&) const = default;
};

} // namespace tindrel
