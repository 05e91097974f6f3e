#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Output.h"

#include <csignal>
#include <exception>
#include <string>

namespace {

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
        return app.exit(error) == 0 ? tindrel::cli::found : tindrel::cli::failure;
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
