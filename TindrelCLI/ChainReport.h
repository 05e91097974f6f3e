#pragma once

#include "TindrelCLI/Style.h"
#include "TindrelCore/model/DecodeModel.h"

#include <functional>
#include <string>
#include <string_view>

namespace tindrel::cli {

// The human-readable account of a chain: shape and risk, each step with its other possible readings
// and its facts, next steps, final value, and why the chain stopped.
std::string chainReport(const DecodeChain& chain, const Style& style);
// The same account handed to `write` in pieces; the final value, which can be most of a huge
// input, is handed over as it is rather than copied into the account.
void writeChainReport(const DecodeChain& chain, const Style& style,
                      const std::function<void(std::string_view)>& write);

// The account indented by four spaces under a finding's line, blank lines left bare.
std::string indentedChainReport(const DecodeChain& chain, const Style& style);

// Why the chain has no further step, for people: "stopped: the last step is final", …
std::string stopText(const DecodeChain& chain);

// One line for a chain: its shape and the first step's summary, or "not recognized".
std::string chainLine(const DecodeChain& chain);

} // namespace tindrel::cli
