#include "TindrelAI/TindrelExplain.h"
#include "TindrelAI/model/ModelSettings.h"
#include "TindrelCLI/Arguments.h"
#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Hints.h"
#include "TindrelCLI/Input.h"
#include "TindrelCLI/KeyOptions.h"
#include "TindrelCLI/Output.h"
#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/Tindrel.h"

#include <functional>
#include <memory>
#include <utility>

namespace tindrel::cli {
namespace {

struct ExplainOptions {
    std::string question;
    std::string text;
    bool textGiven = false;
    bool noModel = false;
    KeyOptions key;
};

std::optional<std::string> inputText(const ExplainOptions& options) {
    if (options.textGiven && options.text != "-") return argumentText(options.text);
    ReadResult read = readAll("-");
    if (!read.text) writeError(read.error);
    return std::move(read.text);
}

// The text on standard output, who wrote it on standard error.
int report(const DecodeChain& chain, const TindrelExplain::Explanation& explanation) {
    writeOut(shown(explanation.text) + "\n");
    writeError(explainer_source::rawValue(explanation.source));
    if (chain.isRecognized()) return found;
    hintArtifactsInside(chain.input);
    return notFound;
}

int runExplain(const ExplainOptions& options) {
    std::optional<std::string> text = inputText(options);
    if (!text) return failure;
    DecodeChain chain = Tindrel::inspect(*text);
    checkSignatures(chain, options.key);
    return report(chain, TindrelExplain::explainWithSource(chain));
}

int runAsk(const ExplainOptions& options) {
    std::optional<std::string> text = inputText(options);
    if (!text) return failure;
    DecodeChain chain = Tindrel::inspect(*text);
    checkSignatures(chain, options.key);
    return report(chain, TindrelExplain::answerWithSource(argumentText(options.question), chain));
}

constexpr const char* noModelHelp = "Contact no model server at all: the text comes from the templates "
                                    "(the same as TINDREL_NO_MODEL=1)";

constexpr const char* sourceFooter = "The text goes to standard output; \"on-device AI\" or "
                                     "\"deterministic\" on standard error says who wrote "
                                     "it. A language model is used only when one is served on this machine "
                                     "(TINDREL_MODEL_URL, TINDREL_MODEL). "
                                     "Exit status: 0 recognised, 1 not recognised, 2 usage or I/O error.";

// The options explain and ask share, and their callback: `run` once the text's presence and the
// model choice are known.
void onModelCommand(CLI::App& command, const std::shared_ptr<ExplainOptions>& options,
                    std::function<void()> run) {
    command.add_flag("--no-model", options->noModel, noModelHelp);
    addRawFlag(command);
    addKeyOptions(command, options->key);
    command.footer(sourceFooter);
    command.callback([options, &command, run = std::move(run)] {
        options->textGiven = command.count("TEXT") > 0;
        if (options->noModel) ModelSettings::configureNoModel(true);
        run();
    });
}

} // namespace

void addExplainCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ExplainOptions>();
    CLI::App* command = app.add_subcommand("explain", "Explain in plain English what a text is");
    command->add_option("TEXT", options->text, "The text to explain (default or \"-\": standard input)")
        ->check(notEmpty());
    onModelCommand(*command, options, [options, &status] {
        status = loadKey(options->key) ? runExplain(*options) : failure;
        if (status == notFound && options->textGiven) hintFileContents(options->text, "tindrel explain");
    });
}

void addAskCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ExplainOptions>();
    CLI::App* command =
        app.add_subcommand("ask", "Answer a question about what a text is, from its verified facts");
    command->add_option("QUESTION", options->question, "The question")->required()->check(notBlank());
    command->add_option("TEXT", options->text, "The text it is about (default or \"-\": standard input)")
        ->check(notEmpty());
    onModelCommand(*command, options, [options, &status] {
        status = loadKey(options->key) ? runAsk(*options) : failure;
        if (status == notFound && options->textGiven)
            hintFileContents(options->text, "tindrel ask " + shellWord(options->question));
    });
}

} // namespace tindrel::cli
