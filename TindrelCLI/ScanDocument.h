#pragma once

#include "TindrelCLI/StreamScan.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace tindrel::cli {

// Writes the JSON scan document of the findings of `scan` to standard output without holding them
// all: the entries wait in unnamed temporary files until the count that heads the document is
// known, the members of each chain once for all findings of the same text. Answers the number of
// findings, or nothing when the scan failed to read its input (then nothing is written) or the
// temporary file failed (errno tells why).
std::optional<std::size_t> writeScanDocument(const ScanRun& scan);

// A scan of an input that can be read twice (a file mapped, a pipe copied as it is read): once to
// count its findings, once to render them.
struct RereadableScan {
    std::function<bool(const CountedFindings&)> count;
    std::function<bool(const RenderedFindings&)> render;
};

// What writing the document of a scan read twice came to.
struct CountedDocument {
    std::size_t count = 0; // the findings counted, which head the document
    // False when the entries written are not those counted: the input changed between the
    // readings (or a finding could not be written, which the scan never makes).
    bool whole = true;
};

// The same document of a scan read twice: the first reading counts the findings from their
// verdicts alone, and the second renders their entries on the threads that find them, straight to
// standard output, so nothing waits in temporary files. Every finding of a scan without a key can
// be written (the engine makes no chain a document cannot hold, and a scanned text is UTF-8), so
// the count alone heads the document. Nothing when the input could not be read.
std::optional<CountedDocument> writeScanDocument(const RereadableScan& scan);

} // namespace tindrel::cli
