#pragma once

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/CandidatePatterns.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace tindrel::scantest {

// A detector whose answers come from a function.
class FunctionDetector : public Detector {
public:
    using Answer = std::function<std::optional<DecodeResult>(std::string_view)>;
    FunctionDetector(DetectionKind kind, Answer answer)
        : kind_(kind)
        , answer_(std::move(answer)) {}

    DetectionKind kind() const override { return kind_; }
    std::optional<DecodeResult> decode(std::string_view text) const override { return answer_(text); }

private:
    DetectionKind kind_;
    Answer answer_;
};

// Each rule's detector recognises the texts its predicate accepts, as a terminal step of its kind.
inline ChainEngine
engineOf(std::initializer_list<std::pair<DetectionKind, std::function<bool(std::string_view)>>> rules) {
    DetectorList detectors;
    for (const auto& rule : rules)
        detectors.push_back(std::make_shared<FunctionDetector>(
            rule.first, [rule](std::string_view text) -> std::optional<DecodeResult> {
                if (!rule.second(text)) return std::nullopt;
                return DecodeResult{
                    rule.first, std::string(text), 0.9, "seen", {{"length", std::to_string(text.size())}},
                    true};
            }));
    return ChainEngine{detectors, 0.5, 12};
}

inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Recognises whatever simple predicates accept, so expectations do not hang on real detectors.
inline ChainEngine markerEngine() {
    return engineOf({
        {DetectionKind::pem, [](std::string_view t) { return startsWith(t, "-----BEGIN"); }},
        {DetectionKind::jwt, [](std::string_view t) { return startsWith(t, "eyJ"); }},
        {DetectionKind::json, [](std::string_view t) { return startsWith(t, "{") || startsWith(t, "["); }},
        {DetectionKind::uuid, [](std::string_view t) { return t.size() == 36; }},
        {DetectionKind::queryString, [](std::string_view t) { return t.find('&') != t.npos; }},
        {DetectionKind::hash, [](std::string_view t) { return startsWith(t, "$"); }},
        {DetectionKind::unixTimestamp, [](std::string_view t) { return t.size() == 10 || t.size() == 13; }},
        {DetectionKind::hex,
         [](std::string_view t) { return t.size() >= 16 && t.size() < 36 && t.find('=') == t.npos; }},
    });
}

// A pattern by the name the tables give it: its enumerator's.
inline CandidatePattern patternNamed(std::string_view name) {
    constexpr std::string_view names[] = {
        "pemBlock",    "cryptHash", "jwt",    "jsonSpan",        "uuid",
        "queryString", "base64Run", "hexRun", "millisecondTime", "secondTime"};
    return candidatePatterns.at(std::size_t(std::ranges::find(names, name) - std::begin(names)));
}

} // namespace tindrel::scantest
