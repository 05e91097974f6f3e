#include "TindrelCLI/Arguments.h"
#include "TindrelCLI/ChainReport.h"
#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Input.h"
#include "TindrelCLI/Output.h"
#include "TindrelCLI/Redact.h"
#include "TindrelCLI/ScanDocument.h"
#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/Tindrel.h"

#include <cerrno>
#include <cstring>
#include <fmt/format.h>
#include <memory>

namespace tindrel::cli {
namespace {

struct ScanOptions {
    bool json = false;
    bool verbose = false;
    std::string path = "-";
};

std::string indented(std::string_view text, std::string_view indent) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        if (end - start > 1) out += indent;
        out += text.substr(start, end - start);
        start = end;
    }
    return out;
}

std::string findingReport(const ScanFinding& finding, bool verbose, const Style& style) {
    const DecodeResult& first = finding.chain.steps.front();
    std::string out = fmt::format("{}  {}  {}\n", style.dim(fmt::format("line {}", finding.line)),
                                  style.bold(detection_kind::displayName(first.kind)), shown(first.summary));
    if (verbose) out += indented(chainReport(finding.chain, style), "    ") + "\n";
    return out;
}

// Findings are printed as the scanner settles them, so a huge log's findings are never all held.
std::size_t writeReport(std::string_view text, bool verbose) {
    Style style = Style::forStandardOutput();
    std::size_t count = 0;
    Tindrel::scan(text, [&](ScanFinding&& finding) {
        writeOut(findingReport(finding, verbose, style));
        ++count;
    });
    if (count == 0) writeOut("No artifacts found\n");
    return count;
}

int runScan(const ScanOptions& options) {
    ReadResult read = readAll(options.path);
    if (!read.text) {
        writeError(read.error);
        return failure;
    }
    if (!options.json) return writeReport(*read.text, options.verbose) ? found : notFound;
    std::optional<std::size_t> count = writeScanDocument(*read.text);
    if (!count) {
        writeError(fmt::format("tindrel: cannot use a temporary file: {}", std::strerror(errno)));
        return failure;
    }
    return *count ? found : notFound;
}

} // namespace

void addScanCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ScanOptions>();
    CLI::App* command = app.add_subcommand("scan", "Find and decode every artifact embedded in a log");
    CLI::Option* json =
        command->add_flag("--json", options->json, "Print the findings as the JSON scan document");
    CLI::Option* verbose =
        command->add_flag("--verbose", options->verbose, "Print each finding's chain below it")
            ->excludes(json);
    command->add_option("FILE", options->path, "The log to scan (default or \"-\": standard input)")
        ->check(notEmpty());
    addRawFlag(*command)->excludes(json);
    auto redact =
        addRedactOption(*command, "Write the log back with its secrets masked (=keep-claims: name a "
                                  "token's algorithm, sub and exp; =all: mask every finding)");
    redact->option->excludes(json)->excludes(verbose);
    command->footer("Exit status: 0 something found (with --redact: masked), 1 nothing found, 2 usage or I/O "
                    "error.");
    command->callback([options, redact, &status] {
        std::optional<Redaction::Mode> mode = redact->mode();
        status = mode ? runRedact(options->path, *mode) : runScan(*options);
    });
}

} // namespace tindrel::cli
