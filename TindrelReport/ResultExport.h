#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/redact/SecretRules.h"
#include "TindrelReport/MediumDate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text that leaves the app for people: the Markdown report of a result.
namespace tindrel::ResultExport {

// Title with status, decode path (two steps or more), curated facts, the payload as is in a fence that
// no backtick run inside it can close, the explanation when there is one, the next steps and the
// on-device footer.
std::string markdown(const DecodeChain& chain, std::optional<std::string_view> explanation,
                     const std::vector<std::string>& nextSteps, const MediumDateFormatter& mediumDate);

// The same report fit to share: the chain's input and final value masked as a redacted log masks
// them, and whatever the explanation or the facts quote of the chain's secrets masked too.
std::string redactedMarkdown(const DecodeChain& chain, std::optional<std::string_view> explanation,
                             const std::vector<std::string>& nextSteps, const MediumDateFormatter& mediumDate,
                             Redaction::Mode mode);

} // namespace tindrel::ResultExport
