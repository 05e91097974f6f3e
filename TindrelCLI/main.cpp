#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Output.h"

#include <csignal>
#include <exception>
#include <string>
#include <vector>

namespace {

// CLI11 reports a word it could not place before any command as a missing command; name the word instead.
int reportParseError(const CLI::App& app, const CLI::ParseError& error) {
    std::vector<std::string> unplaced = app.remaining();
    if (!app.get_subcommands().empty() || unplaced.empty())
        return app.exit(error) == 0 ? tindrel::cli::found : tindrel::cli::failure;
    if (unplaced.front().rfind('-', 0) == 0) {
        app.exit(CLI::ExtrasError(unplaced));
    } else {
        tindrel::cli::writeError("tindrel: " + unplaced.front() +
                                 " is not a command; the commands are inspect, scan, explain and ask");
    }
    return tindrel::cli::failure;
}

int run(int argc, char** argv) {
    CLI::App app{"tindrel tells what an opaque piece of text is: a token, an encoded payload, a certificate, "
                 "a hash or a whole log. Nothing leaves this machine."};
    app.name("tindrel");
    app.set_version_flag("--version", "tindrel " TINDREL_VERSION);
    app.require_subcommand(1);

    int status = tindrel::cli::found;
    tindrel::cli::addInspectCommand(app, status);
    tindrel::cli::addScanCommand(app, status);
    tindrel::cli::addExplainCommand(app, status);
    tindrel::cli::addAskCommand(app, status);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return reportParseError(app, error);
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // A reader that goes away shows up as a failed write, which ends the run quietly.
    std::signal(SIGPIPE, SIG_IGN);
    int status = tindrel::cli::failure;
    try {
        status = run(argc, argv);
    } catch (const std::exception& error) {
        // Out of memory on a huge input, say: one clear line and a failure status, never an abort.
        tindrel::cli::writeError(std::string("tindrel: ") + error.what());
    } catch (...) {
        tindrel::cli::writeError("tindrel: unexpected failure");
    }
    return tindrel::cli::finishOutput(status);
}
