#include "TindrelAI/TemplateExplainer.h"
#include "TindrelCLI/Arguments.h"
#include "TindrelCLI/ChainReport.h"
#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Hints.h"
#include "TindrelCLI/Input.h"
#include "TindrelCLI/KeyOptions.h"
#include "TindrelCLI/Output.h"
#include "TindrelCLI/Readings.h"
#include "TindrelCLI/Redact.h"
#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/scan/OrderedWork.h"
#include "TindrelReport/MediumDate.h"
#include "TindrelReport/ResultExport.h"

#include <algorithm>
#include <clocale>
#include <memory>

namespace tindrel::cli {
namespace {

struct InspectOptions {
    bool json = false;
    bool extended = false;
    bool markdown = false;
    bool eachLine = false;
    bool sample = false;
    std::vector<std::string> readings;
    std::string text; // the text itself, or with --each-line the file to read
    bool textGiven = false;
    KeyOptions key;
    std::optional<Redaction::Mode> redact;
};

std::optional<std::string> inputText(const InspectOptions& options) {
    if (options.sample) return std::string(Samples::token);
    if (options.textGiven && options.text != "-" && !options.eachLine) return argumentText(options.text);
    ReadResult read = readAll(options.textGiven ? options.text : "-");
    if (!read.text) writeError(read.error);
    return std::move(read.text);
}

// Where each block of lines starts, and the end of the text last: blocks small enough to spread
// over the cores evenly, large enough that handing one out costs nothing next to inspecting it.
std::vector<std::size_t> lineBlocks(std::string_view text) {
    constexpr std::size_t linesPerBlock = 256;
    std::vector<std::size_t> starts{0};
    std::size_t lines = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', end + 1))
        if (++lines % linesPerBlock == 0 && end + 1 < text.size()) starts.push_back(end + 1);
    starts.push_back(text.size());
    return starts;
}

struct InspectedLines {
    std::string out;
    bool anyRecognized = false;
};

InspectedLines inspectLines(std::string_view text, bool json, TindrelJSON::Members members,
                            const KeyOptions& key) {
    InspectedLines inspected;
    // A JSON record runs to several times the line it describes: room is made once, not doubled
    // a dozen times over.
    inspected.out.reserve(std::min<std::size_t>(8 * text.size(), std::size_t{1} << 20));
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        if (end > start && text[end - 1] == '\r') --end;
        DecodeChain chain = Tindrel::inspect(text.substr(start, end - start));
        checkSignatures(chain, key);
        inspected.anyRecognized = inspected.anyRecognized || chain.isRecognized();
        inspected.out += json ? TindrelJSON::compactString(chain, members) : chainLine(chain);
        inspected.out += '\n';
        start = next;
    }
    return inspected;
}

// Lines are inspected on every core and written in their order.
int inspectEachLine(std::string_view text, bool json, TindrelJSON::Members members, const KeyOptions& key) {
    const std::vector<std::size_t> blocks = lineBlocks(text);
    bool anyRecognized = false;
    runInOrder<InspectedLines>(
        blocks.size() - 1,
        [&](std::size_t i, auto& emit) {
            emit(inspectLines(text.substr(blocks[i], blocks[i + 1] - blocks[i]), json, members, key));
        },
        [&](InspectedLines&& inspected) {
            anyRecognized = anyRecognized || inspected.anyRecognized;
            writeOut(inspected.out);
        });
    return anyRecognized ? found : notFound;
}

std::string markdownReport(const DecodeChain& chain, std::optional<Redaction::Mode> redact) {
    std::setlocale(LC_TIME, "");
    std::string explanation = TemplateExplainer::explainSync(chain);
    if (redact)
        return ResultExport::redactedMarkdown(chain, explanation, Explainer::nextSteps(chain),
                                              MediumDate::fromCLibrary, *redact);
    return ResultExport::markdown(chain, explanation, Explainer::nextSteps(chain), MediumDate::fromCLibrary);
}

void writeReport(const DecodeChain& chain, const InspectOptions& options) {
    if (options.json)
        writeOut(TindrelJSON::string(chain, jsonMembers(options.extended)) + "\n");
    else if (options.markdown)
        writeOut(shown(markdownReport(chain, options.redact)));
    else
        writeChainReport(chain, Style::forStandardOutput(), writeOut);
}

int runInspect(const InspectOptions& options) {
    std::optional<std::string> text = inputText(options);
    if (!text) return failure;
    if (options.eachLine)
        return inspectEachLine(*text, options.json, jsonMembers(options.extended), options.key);
    std::optional<DecodeChain> inspected = options.readings.empty()
                                               ? Tindrel::inspectOwned(std::move(*text))
                                               : inspectWithReadings(std::move(*text), options.readings);
    if (!inspected) return failure;
    DecodeChain& chain = *inspected;
    checkSignatures(chain, options.key);
    writeReport(chain, options);
    if (chain.isRecognized()) return found;
    if (options.textGiven) hintFileContents(options.text, "tindrel inspect");
    hintArtifactsInside(chain.input);
    return notFound;
}

} // namespace

void addInspectCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<InspectOptions>();
    CLI::App* command =
        app.add_subcommand("inspect", "Tell what a text is: peel its layers and print the chain");
    CLI::Option* json =
        command->add_flag("--json", options->json, "Print the chain as the JSON export document");
    CLI::Option* markdown = command
                                ->add_flag("--markdown", options->markdown,
                                           "Print the Markdown report with the explanation and next steps")
                                ->excludes(json);
    CLI::Option* eachLine =
        command
            ->add_flag("--each-line", options->eachLine,
                       "Inspect every line of the input on its own (with --json: JSON Lines)")
            ->excludes(markdown);
    addExtendedFlag(*command, options->extended, json);
    addReadingOption(*command, options->readings)->excludes(eachLine);
    CLI::Option* sample = command->add_flag("--sample", options->sample, "Inspect the built-in sample token");
    command
        ->add_option("TEXT", options->text,
                     "The text to inspect (default or \"-\": standard input; with --each-line: a file)")
        ->check(notEmpty())
        ->excludes(sample);
    addRawFlag(*command)->excludes(json);
    addKeyOptions(*command, options->key);
    auto redact =
        addRedactOption(*command, "With --markdown: mask the secrets in the report (=keep-claims, =all)");
    redact->option->needs(markdown);
    command->footer("Exit status: 0 recognised, 1 not recognised, 2 usage or I/O error.");
    command->callback([options, command, redact, &status] {
        options->textGiven = command->count("TEXT") > 0;
        options->redact = redact->mode();
        status = loadKey(options->key) ? runInspect(*options) : failure;
    });
}

} // namespace tindrel::cli
