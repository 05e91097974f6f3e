#pragma once

#include "TindrelCore/scan/Scanner.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace tindrel::cli {

// A scan of an input that can be read twice (a file mapped, a pipe copied as it is read): once to
// count its findings, once to render them.
struct RereadableScan {
    std::function<bool(const CountedFindings&)> count;
    std::function<bool(const RenderedFindings&)> render;
    // Completes a finding before it is written (its signatures checked); none leaves it as found.
    std::function<void(ScanFinding&)> check;
};

// What writing the document of a scan came to.
struct CountedDocument {
    std::size_t count = 0; // the findings counted, which head the document
    // False when the entries written are not those counted: the input changed between the
    // readings (or a finding could not be written, which the scan never makes).
    bool whole = true;
};

// Writes the JSON scan document to standard output: the first reading counts the findings from
// their verdicts alone, and the second renders their entries on the threads that find them,
// straight out, so that neither the findings nor their entries are ever all held. Every finding
// of a scan can be written (the engine makes no chain a document cannot hold, a scanned text is
// UTF-8, and so is a key's name), so the count alone heads the document. Nothing when the input
// could not be read.
std::optional<CountedDocument> writeScanDocument(const RereadableScan& scan);

} // namespace tindrel::cli
