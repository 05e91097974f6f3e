#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The deterministic knowledge: risk level and next steps of a chain, and the fixed wording the
// detectors use for algorithms, claims, relative times, digests and password hashes.
namespace tindrel::Explainer {

struct Note {
    std::string note;
    std::optional<std::string> nextStep;

    bool operator==(const Note&) const = default;
};

enum class RiskLevel { info, warning, critical };

std::string_view rawValue(RiskLevel level);
std::optional<RiskLevel> riskLevelFromRawValue(std::string_view raw);

RiskLevel riskLevel(const DecodeChain& chain);
// At most four texts, first occurrence of each kept.
std::vector<std::string> nextSteps(const DecodeChain& chain);

std::optional<std::string> jwtAlgNote(std::string_view alg);
const std::map<std::string, std::string>& jwtClaims();
std::optional<std::string> jwtClaim(std::string_view claim);
// "in 3 days", "2 hours ago", "in 0 seconds".
std::string relativeTime(double secondsFromNow);
Note digestNote(int bits);
std::optional<Note> passwordHashNote(std::string_view algorithm, std::optional<std::string_view> cost);

} // namespace tindrel::Explainer
