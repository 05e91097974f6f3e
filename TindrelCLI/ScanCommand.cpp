#include "TindrelCLI/ChainReport.h"
#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Input.h"
#include "TindrelCLI/Output.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"

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

std::string findingsReport(const std::vector<ScanFinding>& findings, bool verbose, const Style& style) {
    if (findings.empty()) return "No artifacts found\n";
    std::string out;
    for (const ScanFinding& finding : findings) {
        const DecodeResult& first = finding.chain.steps.front();
        out += fmt::format("{}  {}  {}\n", style.dim(fmt::format("line {}", finding.line)),
                           style.bold(detection_kind::displayName(first.kind)), first.summary);
        if (verbose) out += indented(chainReport(finding.chain, style), "    ") + "\n";
    }
    return out;
}

int runScan(const ScanOptions& options) {
    ReadResult read = readAll(options.path);
    if (!read.text) {
        writeError(read.error);
        return failure;
    }
    std::vector<ScanFinding> findings = Tindrel::scan(*read.text);
    writeOut(options.json ? TindrelJSON::string(findings) + "\n"
                          : findingsReport(findings, options.verbose, Style::forStandardOutput()));
    return findings.empty() ? notFound : found;
}

} // namespace

void addScanCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ScanOptions>();
    CLI::App* command = app.add_subcommand("scan", "Find and decode every artifact embedded in a log");
    command->add_flag("--json", options->json, "Print the findings as the JSON scan document");
    command->add_flag("--verbose", options->verbose, "Print each finding's chain below it");
    command->add_option("FILE", options->path, "The log to scan (default or \"-\": standard input)");
    command->footer("Exit status: 0 something found, 1 nothing found, 2 usage or I/O error.");
    command->callback([options, &status] { status = runScan(*options); });
}

} // namespace tindrel::cli
