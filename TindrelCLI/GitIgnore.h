#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tindrel::cli {

// The patterns of a tree's .gitignore files, as git reads them: "*" and "?" within one path
// component, "**" across components, character classes, a "/" at the start or in the middle
// anchoring to the directory of the .gitignore, a trailing "/" matching directories only, "!"
// re-including, "#" comments. A .gitignore in a subdirectory applies to that subtree only, and its
// patterns come after its parents', so the last pattern that matches decides.
class GitIgnore {
public:
    // `directory` is relative to the tree's root ("" for the root), with "/" between components.
    void add(std::string_view directory, std::string_view contents);
    // `path` is relative to the tree's root.
    bool ignores(std::string_view path, bool isDirectory) const;

private:
    struct Rule {
        std::string directory; // where the .gitignore lives, "" or ending in "/"
        std::string pattern;
        bool negated = false;
        bool directoryOnly = false;
        bool anchored = false;
    };
    static bool matches(const Rule& rule, std::string_view path, bool isDirectory);
    std::vector<Rule> rules_;
};

// Whether `pattern` matches all of `text`; "/" is matched only by "/" and by "**".
bool globMatches(std::string_view pattern, std::string_view text);

} // namespace tindrel::cli
