#pragma once

#include "TindrelCLI/Style.h"
#include "TindrelCore/DecodeModel.h"

#include <string>

namespace tindrel::cli {

// The human-readable account of a chain: shape and risk, each step with its facts, next steps, final value.
std::string chainReport(const DecodeChain& chain, const Style& style);

// One line for a chain: its shape and the first step's summary, or "not recognized".
std::string chainLine(const DecodeChain& chain);

} // namespace tindrel::cli
