#include "TindrelCLI/Arguments.h"

#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/text/Text.h"

namespace tindrel::cli {

CLI::Option* addRawFlag(CLI::App& command) {
    return command.add_flag_callback(
        "--raw", [] { setRawOutput(true); },
        "Write control characters from the text as they are, even to a terminal");
}

const CLI::Validator& notEmpty() {
    static const CLI::Validator validator(
        [](const std::string& value) {
            return value.empty() ? std::string("must not be empty") : std::string();
        },
        "");
    return validator;
}

const CLI::Validator& notBlank() {
    static const CLI::Validator validator(
        [](const std::string& value) {
            return Text::isBlank(Text::sanitizeUTF8(value)) ? std::string("must not be blank")
                                                            : std::string();
        },
        "");
    return validator;
}

} // namespace tindrel::cli
