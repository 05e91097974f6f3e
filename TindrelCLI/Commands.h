#pragma once

#include <CLI/CLI.hpp>

namespace tindrel::cli {

// Exit statuses shared by every command.
enum Status { found = 0, notFound = 1, failure = 2 };

// Each command registers itself on the app and writes its exit status into `status` when it runs.
void addInspectCommand(CLI::App& app, int& status);
void addExplainCommand(CLI::App& app, int& status);
void addAskCommand(CLI::App& app, int& status);
void addScanCommand(CLI::App& app, int& status);

} // namespace tindrel::cli
