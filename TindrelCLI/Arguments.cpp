#include "TindrelCLI/Arguments.h"

#include "TindrelCLI/TerminalSafe.h"

namespace tindrel::cli {

CLI::Option* addRawFlag(CLI::App& command) {
    return command.add_flag_callback(
        "--raw", [] { setRawOutput(true); },
        "Write control characters from the text as they are, even to a terminal");
}

} // namespace tindrel::cli
