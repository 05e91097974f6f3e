#pragma once

#include <string_view>

namespace tindrel::cli {

// For an unrecognised text, on standard error: "3 artifacts inside — try `tindrel scan`" when the
// scanner finds artifacts in it.
void hintArtifactsInside(std::string_view text);

// For an unrecognised text argument that names an existing file, on standard error: how to give
// `command` (for example "tindrel inspect") the file's contents instead of its name.
void hintFileContents(std::string_view argument, std::string_view command);

// `word` as one word for a POSIX shell: as it is when that is safe, else in single quotes.
std::string shellWord(std::string_view word);

} // namespace tindrel::cli
