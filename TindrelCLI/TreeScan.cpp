#include "TindrelCLI/TreeScan.h"

#include "TindrelCLI/Arguments.h"
#include "TindrelCLI/ChainReport.h"
#include "TindrelCLI/Commands.h"
#include "TindrelCLI/FileScans.h"
#include "TindrelCLI/Output.h"
#include "TindrelCLI/Readings.h"
#include "TindrelCLI/ScanTree.h"
#include "TindrelCLI/SpooledEntries.h"
#include "TindrelCLI/Style.h"
#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/TindrelJSON.h"

#include <fmt/format.h>

namespace tindrel::cli {
namespace {

std::string findingLine(const std::string& path, const LocatedFinding& located, bool verbose,
                        const Style& style) {
    const ScanFinding& finding = located.finding;
    const DecodeResult& first = finding.chain->steps.front();
    std::string out = fmt::format("{}:{}:{}: {}  {}{}\n", shown(path), finding.line, located.column,
                                  style.bold(detection_kind::displayName(first.kind)), shown(first.summary),
                                  shown(signatureNote(*finding.chain)));
    if (verbose) out += indentedChainReport(*finding.chain, style);
    return out;
}

int cannotSpool() {
    writeError(temporaryFileError());
    return failure;
}

struct Tally {
    std::size_t findings = 0;
    std::size_t read = 0;
    std::size_t unreadable = 0;

    int status() const {
        if (findings > 0) return found;
        return read == 0 && unreadable > 0 ? failure : notFound;
    }
};

void count(Tally& tally, const FileScan& scan) {
    tally.findings += scan.findings.size();
    if (scan.continued) return;
    if (!scan.read) {
        writeError(scan.error);
        ++tally.unreadable;
        return;
    }
    ++tally.read;
}

} // namespace

std::shared_ptr<TreeScanOptions> addTreeScanOptions(CLI::App& command, CLI::Option* json) {
    auto options = std::make_shared<TreeScanOptions>();
    command
        .add_option("PATH", options->paths,
                    "Files and directories to scan (default or \"-\": standard input); directories are "
                    "walked, their files scanned in parallel and reported in path order")
        ->check(notEmpty());
    command.add_flag("--all", options->all,
                     "In directories, scan binary files, .git/ and what .gitignore excludes too");
    addExtendedFlag(command, options->extended, json);
    return options;
}

bool scansTree(const TreeScanOptions& options) {
    return options.extended || options.paths.size() > 1 ||
           (options.paths.size() == 1 && isDirectory(options.paths[0]));
}

int runTreeScan(const TreeScanOptions& options) {
    std::vector<std::string> paths = options.paths.empty() ? std::vector<std::string>{"-"} : options.paths;
    bool several = paths.size() > 1 || isDirectory(paths.front());
    TreeFiles files = collectFiles(paths, options.all);
    for (const std::string& error : files.errors)
        writeError(error);

    Tally tally;
    tally.unreadable = files.errors.size();
    Style style = Style::forStandardOutput();
    // The document's entries wait on disk, not in memory: a tree of logs makes millions of them.
    std::optional<SpooledEntries> entries;
    if (options.json) entries.emplace();
    if (entries && !entries->open()) return cannotSpool();
    scanFiles(files.paths, several && !options.all, [&](FileScan&& scan) {
        count(tally, scan);
        for (LocatedFinding& located : scan.findings) {
            if (options.key) checkSignatures(located.finding, *options.key);
            if (entries) {
                TindrelJSON::FindingPlace place{located.column, several ? &scan.path : nullptr};
                entries->add(
                    TindrelJSON::findingEntry(located.finding, jsonMembers(options.extended), &place));
            } else {
                writeOut(findingLine(scan.path, located, options.verbose, style));
            }
        }
    });
    if (entries) {
        if (!entries->writeDocument()) return cannotSpool();
    } else if (tally.findings == 0 && tally.read > 0) {
        writeOut("No artifacts found\n");
    }
    return tally.status();
}

} // namespace tindrel::cli
