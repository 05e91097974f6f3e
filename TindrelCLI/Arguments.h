#pragma once

#include <CLI/CLI.hpp>

namespace tindrel::cli {

// --raw: text from the input or a model is written as it is, even to a terminal.
CLI::Option* addRawFlag(CLI::App& command);

} // namespace tindrel::cli
