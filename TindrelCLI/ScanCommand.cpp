#include "TindrelCLI/Arguments.h"
#include "TindrelCLI/ChainReport.h"
#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Input.h"
#include "TindrelCLI/KeyOptions.h"
#include "TindrelCLI/Output.h"
#include "TindrelCLI/Redact.h"
#include "TindrelCLI/ScanDocument.h"
#include "TindrelCLI/ScanHeap.h"
#include "TindrelCLI/StreamScan.h"
#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCLI/TreeScan.h"
#include "TindrelCore/Tindrel.h"

#include <array>
#include <charconv>
#include <fmt/format.h>
#include <memory>

namespace tindrel::cli {
namespace {

struct ScanOptions {
    bool json = false;
    bool verbose = false;
    bool follow = false;
    std::string path = "-";
    KeyOptions key;
};

// Appended to the report piece by piece, no piece a string of its own: a log of millions of
// findings spends its time here, not scanning.
void appendLineNumber(std::string& out, std::size_t number, const Style& style) {
    std::array<char, 32> line{'l', 'i', 'n', 'e', ' '};
    char* lineEnd = std::to_chars(line.begin() + 5, line.end(), number).ptr;
    style.appendDim(out, std::string_view(line.data(), static_cast<std::size_t>(lineEnd - line.data())));
}

// All of a finding's report but its line number: the same for every finding of its text.
void appendChainReport(std::string& out, const DecodeChain& chain, bool verbose, const Style& style) {
    constexpr std::string_view gap = "  ";
    const DecodeResult& first = chain.steps.front();
    out += gap;
    style.appendBold(out, detection_kind::displayName(first.kind));
    out += gap;
    const TextSink append = [&out](std::string_view piece) { out += piece; };
    writeShown(first.summary, append);
    writeShown(signatureNote(chain), append);
    out += '\n';
    if (verbose) out += indentedChainReport(chain, style);
}

// Findings of one text share their chain, and a log that repeats a text repeats it in runs, so the
// report of a chain met twice in a row is kept for the rest of its run. Holding the chain keeps
// its address from being reused.
class FindingReports {
public:
    FindingReports(bool verbose, Style style)
        : verbose_(verbose)
        , style_(style) {}

    void append(std::string& out, const ScanFinding& finding) {
        appendLineNumber(out, finding.line, style_);
        if (finding.chain != lastChain_) {
            lastChain_ = finding.chain;
            kept_ = false;
            appendChainReport(out, *finding.chain, verbose_, style_);
            return;
        }
        if (!kept_) {
            lastReport_.clear();
            appendChainReport(lastReport_, *finding.chain, verbose_, style_);
            kept_ = true;
        }
        out += lastReport_;
    }

private:
    bool verbose_;
    Style style_;
    std::shared_ptr<const DecodeChain> lastChain_;
    bool kept_ = false; // whether lastReport_ is lastChain_'s
    std::string lastReport_;
};

// Findings are printed as the scanner settles them, so a huge log's findings are never all held.
// A followed input's are sent on each time the scan catches up with what was read, for a reader
// watching a log as it is written: as promptly as after each finding, without a write for each of
// millions. Each finding's report is made, and its signatures checked, by the thread that found it.
// Answers their count, or nothing when the input could not be read to its end.
std::optional<std::size_t> writeReport(ChunkReader& input, Following following, bool verbose,
                                       const KeyOptions& key) {
    const Style style = Style::forStandardOutput();
    std::size_t count = 0;
    OutputBatch out;
    auto renderer = [&] {
        return FindingRenderer([reports = FindingReports(verbose, style), &key](const ScanFinding& finding,
                                                                                std::string& into) mutable {
            if (!key.key) return reports.append(into, finding);
            ScanFinding checked = finding;
            checkSignatures(checked, key);
            reports.append(into, checked);
        });
    };
    auto take = [&](std::string_view reports, std::size_t findings) {
        out.text() += reports;
        count += findings;
        out.send();
    };
    bool read = scanAsRead(input, RenderedFindings{renderer, take}, following, [&] {
        out.send(true);
        flushOut();
    });
    out.send(true);
    if (!read) return std::nullopt;
    if (count == 0) writeOut("No artifacts found\n");
    return count;
}

// A pipe may stay open for as long as its writer runs (kubectl logs -f), so its findings are shown
// whenever it pauses; the JSON document waits for its count anyway.
Following followingOf(const ScanOptions& options, const ChunkReader& input) {
    if (options.follow) return Following::growth;
    return !options.json && input.isPipe() ? Following::pauses : Following::no;
}

// The input is read twice (a file mapped, a pipe copied as it is read): its findings are counted
// first and then written straight out.
std::optional<CountedDocument> writeJSONDocument(ChunkReader& input, const KeyOptions& key) {
    std::function<void(ScanFinding&)> check;
    if (key.key) check = [&key](ScanFinding& finding) { checkSignatures(finding, key); };
    return writeScanDocument(RereadableScan{
        [&](const CountedFindings& counted) { return scanAsRead(input, counted, Following::no); },
        [&](const RenderedFindings& rendered) { return scanAsRead(input, rendered, Following::no); }, check});
}

// The log is scanned as it is read, so neither its text nor its findings are ever all held, and a
// pipe that never ends is scanned for as long as it runs.
int runScan(const ScanOptions& options) {
    ChunkReader input(options.path);
    if (!input.error().empty()) {
        writeError(input.error());
        return failure;
    }
    Following following = followingOf(options, input);
    std::optional<std::size_t> count;
    if (options.json) {
        if (!input.keepForRereading()) {
            writeError(temporaryFileError());
            return failure;
        }
        std::optional<CountedDocument> document = writeJSONDocument(input, options.key);
        if (document && !document->whole) {
            writeError(fmt::format("tindrel: the findings written are not those counted: did {} change "
                                   "while it was scanned?",
                                   options.path == "-" ? "standard input" : options.path));
            return failure;
        }
        if (document) count = document->count;
    } else {
        count = writeReport(input, following, options.verbose, options.key);
    }
    if (!count) {
        writeError(!input.error().empty() ? input.error() : temporaryFileError());
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
    CLI::Option* follow =
        command
            ->add_flag("--follow", options->follow,
                       "Print each finding the moment its line arrives, and at the end of a regular file "
                       "wait for more as it grows (like tail -f) until Ctrl-C or SIGTERM, which end the "
                       "scan as the end of the log would. A pipe is always scanned as it comes. Not with "
                       "--json (its document is headed by the count), --redact or several files")
            ->excludes(json);
    std::shared_ptr<TreeScanOptions> tree = addTreeScanOptions(*command, json);
    addRawFlag(*command)->excludes(json);
    addKeyOptions(*command, options->key);
    auto redact =
        addRedactOption(*command, "Write the log back with its secrets masked (=keep-claims: name a "
                                  "token's algorithm, sub and exp; =all: mask every finding)");
    redact->option->excludes(json)->excludes(verbose)->excludes(follow);
    command->footer("Columns count from 1 in user-perceived characters (grapheme clusters; a tab is one). "
                    "Exit status: 0 something found (with --redact: masked), 1 nothing found, 2 usage or I/O "
                    "error (with several files: none could be read).");
    command->callback([options, tree, redact, &status] {
        keepScanListsInTheHeap();
        if (!loadKey(options->key)) {
            status = failure;
            return;
        }
        tree->json = options->json;
        tree->verbose = options->verbose;
        tree->key = &options->key;
        std::optional<Redaction::Mode> mode = redact->mode();
        if (mode && scansTree(*tree)) {
            writeError(
                "tindrel: --redact masks one file or standard input, not several files or a directory");
            status = failure;
            return;
        }
        if (options->follow && scansTree(*tree)) {
            writeError(
                "tindrel: --follow reads one file or standard input, not several files or a directory");
            status = failure;
            return;
        }
        if (scansTree(*tree)) {
            status = runTreeScan(*tree);
            return;
        }
        options->path = tree->paths.empty() ? "-" : tree->paths.front();
        status = mode ? runRedact(options->path, *mode) : runScan(*options);
    });
}

} // namespace tindrel::cli
