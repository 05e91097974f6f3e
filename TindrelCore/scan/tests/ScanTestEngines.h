#pragma once

#include "TindrelCore/engine/ChainEngine.h"

#include <functional>
#include <memory>
#include <string>

namespace tindrel::scantest {

// A detector that recognises the texts a predicate accepts, as a terminal step of a fixed kind.
class PredicateDetector : public Detector {
public:
    PredicateDetector(DetectionKind kind, std::function<bool(std::string_view)> accepts)
        : kind_(kind)
        , accepts_(std::move(accepts)) {}

    DetectionKind kind() const override { return kind_; }
    std::optional<DecodeResult> decode(std::string_view text) const override {
        if (!accepts_(text)) return std::nullopt;
        return DecodeResult{kind_, std::string(text), 0.9, "seen", {{"length", std::to_string(text.size())}},
                            true};
    }

private:
    DetectionKind kind_;
    std::function<bool(std::string_view)> accepts_;
};

inline ChainEngine
engineOf(std::initializer_list<std::pair<DetectionKind, std::function<bool(std::string_view)>>> rules) {
    DetectorList detectors;
    for (const auto& [kind, accepts] : rules)
        detectors.push_back(std::make_shared<PredicateDetector>(kind, accepts));
    return ChainEngine{detectors, 0.5, 12};
}

inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace tindrel::scantest
