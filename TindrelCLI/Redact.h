#pragma once

#include "TindrelCore/redact/SecretRules.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

namespace tindrel::cli {

// --redact[=secrets|keep-claims|all] as a command gives it.
struct RedactRequest {
    std::string name;
    CLI::Option* option = nullptr;

    // The mode asked for, nothing without --redact.
    std::optional<Redaction::Mode> mode() const;
};

std::shared_ptr<RedactRequest> addRedactOption(CLI::App& command, const std::string& description);

// Writes the file ("-": standard input) back with its secrets masked and every other byte kept.
// Answers found when something was masked, notFound when nothing was, failure when it cannot be read.
int runRedact(const std::string& path, Redaction::Mode mode);

} // namespace tindrel::cli
