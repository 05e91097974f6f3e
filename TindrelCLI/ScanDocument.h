#pragma once

#include "TindrelCLI/StreamScan.h"

#include <cstddef>
#include <optional>

namespace tindrel::cli {

// Writes the JSON scan document of the findings of `scan` to standard output without holding them
// all: the entries wait in unnamed temporary files until the count that heads the document is
// known, the members of each chain once for all findings of the same text. Answers the number of
// findings, or nothing when the scan failed to read its input (then nothing is written) or the
// temporary file failed (errno tells why).
std::optional<std::size_t> writeScanDocument(const ScanRun& scan);

} // namespace tindrel::cli
