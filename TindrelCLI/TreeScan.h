#pragma once

#include "TindrelCLI/KeyOptions.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

namespace tindrel::cli {

struct TreeScanOptions {
    std::vector<std::string> paths;
    bool all = false;
    bool extended = false;
    bool json = false;
    bool verbose = false;
    const KeyOptions* key = nullptr; // checks the signatures of the tokens found, when set
};

// The scan command's PATH arguments, --all and --extended (which needs `json`).
std::shared_ptr<TreeScanOptions> addTreeScanOptions(CLI::App& command, CLI::Option* json);

// Whether the scan covers more than one file (several paths or a directory) or asks for columns,
// rather than today's one file or standard input.
bool scansTree(const TreeScanOptions& options);

// Scans every file under the paths: one line per finding, "path:line:column: Kind  summary", or
// with json the scan document with each finding's path and column. Exit status as for one file;
// 2 only when nothing could be read.
int runTreeScan(const TreeScanOptions& options);

} // namespace tindrel::cli
