#include "TindrelCLI/Redact.h"

#include "TindrelCLI/Commands.h"
#include "TindrelCLI/Input.h"
#include "TindrelCLI/Output.h"
#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/Redaction.h"

namespace tindrel::cli {

std::optional<Redaction::Mode> RedactRequest::mode() const {
    if (option == nullptr || option->count() == 0) return std::nullopt;
    return Redaction::modeNamed(name);
}

std::shared_ptr<RedactRequest> addRedactOption(CLI::App& command, const std::string& description) {
    auto request = std::make_shared<RedactRequest>();
    request->option = command.add_flag("--redact{secrets}", request->name, description);
    request->option->check(CLI::IsMember({"secrets", "keep-claims", "all"}));
    return request;
}

int runRedact(const std::string& path, Redaction::Mode mode) {
    // The bytes as they are: a redacted log must differ from the original only where it was masked.
    ReadResult read = readAll(path, true);
    if (!read.text) {
        writeError(read.error);
        return failure;
    }
    std::size_t masked =
        Redaction::redactLog(*read.text, mode, [](std::string_view piece) { writeShown(piece, writeOut); });
    return masked > 0 ? found : notFound;
}

} // namespace tindrel::cli
