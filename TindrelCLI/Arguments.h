#pragma once

#include <CLI/CLI.hpp>

namespace tindrel::cli {

// --raw: text from the input or a model is written as it is, even to a terminal.
CLI::Option* addRawFlag(CLI::App& command);

// An empty argument is a usage error, never a stand-in for standard input or an empty question.
const CLI::Validator& notEmpty();
// A question that is only white space is refused too.
const CLI::Validator& notBlank();

} // namespace tindrel::cli
