#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace tindrel::cli {

// Writes the JSON scan document of a text to standard output without holding all its findings:
// the entries wait in an unnamed temporary file until the count that heads the document is known.
// Each finding's chain passes through `prepare` before it is written.
// Answers the number of findings, or nothing when the temporary file failed (errno tells why).
std::optional<std::size_t> writeScanDocument(std::string_view text,
                                             const std::function<void(DecodeChain&)>& prepare);

} // namespace tindrel::cli
