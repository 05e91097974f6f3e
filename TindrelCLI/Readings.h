#pragma once

#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/model/DecodeModel.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

namespace tindrel::cli {

// --extended, the one flag for every addition to the JSON documents (other readings, stop reason,
// PEM bundle, scan columns).
// It means nothing without `json`.
CLI::Option* addExtendedFlag(CLI::App& command, bool& extended, CLI::Option* json);
TindrelJSON::Members jsonMembers(bool extended);

// --reading STEP:KIND, any number of times: that step (1 for the first) takes the reading of that
// kind, named as the JSON export names kinds.
CLI::Option* addReadingOption(CLI::App& command, std::vector<std::string>& readings);

// The chain of `text` with the readings given; nothing, after one line on standard error, when two
// readings name the same step or one cannot be taken.
std::optional<DecodeChain> inspectWithReadings(std::string text, const std::vector<std::string>& readings);

} // namespace tindrel::cli
