#include "TindrelCLI/Commands.h"

int main(int argc, char** argv) {
    CLI::App app{"tindrel tells what an opaque piece of text is: a token, an encoded payload, a certificate, "
                 "a hash or a whole log. Nothing leaves this machine."};
    app.name("tindrel");
    app.set_version_flag("--version", "tindrel " TINDREL_VERSION);
    app.require_subcommand(1);

    int status = tindrel::cli::found;
    tindrel::cli::addInspectCommand(app, status);
    tindrel::cli::addScanCommand(app, status);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? tindrel::cli::found : tindrel::cli::failure;
    }
    return status;
}
