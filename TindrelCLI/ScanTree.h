#pragma once

#include <string>
#include <vector>

namespace tindrel::cli {

struct TreeFiles {
    std::vector<std::string> paths;  // as the user would type them, sorted, each once
    std::vector<std::string> errors; // one line each for paths that could not be listed
};

// The files to scan under the given paths. Files named on the command line are taken as they are;
// directories are walked, leaving out .git/ and what the tree's .gitignore files exclude unless
// `all`. Symbolic links to directories are never followed, and a link to a file is taken only
// when the file lies inside the tree being walked, so a scan never leaves the tree it was given.
TreeFiles collectFiles(const std::vector<std::string>& paths, bool all);

// Whether a path names a directory (following a link the user named).
bool isDirectory(const std::string& path);

} // namespace tindrel::cli
