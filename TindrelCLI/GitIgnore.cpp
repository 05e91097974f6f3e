#include "TindrelCLI/GitIgnore.h"

#include <algorithm>

namespace tindrel::cli {
namespace {

std::string_view withoutTrailingSpaces(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r') &&
           !(line.size() >= 2 && line[line.size() - 2] == '\\' && line.back() == ' '))
        line.remove_suffix(1);
    return line;
}

// Where the class that starts at `pattern[0] == '['` ends, or npos when it is never closed.
std::size_t classEnd(std::string_view pattern) {
    std::size_t at = 1;
    if (at < pattern.size() && (pattern[at] == '!' || pattern[at] == '^')) ++at;
    if (at < pattern.size() && pattern[at] == ']') ++at;
    while (at < pattern.size() && pattern[at] != ']')
        ++at;
    return at < pattern.size() ? at : std::string_view::npos;
}

bool inClass(std::string_view body, char c) {
    bool negated = !body.empty() && (body[0] == '!' || body[0] == '^');
    if (negated) body.remove_prefix(1);
    bool found = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (i + 2 < body.size() && body[i + 1] == '-') {
            found = found || (body[i] <= c && c <= body[i + 2]);
            i += 2;
        } else {
            found = found || body[i] == c;
        }
    }
    return found != negated;
}

bool matchDoubleStar(std::string_view rest, std::string_view text) {
    if (rest.empty()) return true;
    if (rest.front() == '/') {
        // "**/": no directory at all, or any number of whole ones.
        rest.remove_prefix(1);
        if (globMatches(rest, text)) return true;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '/' && globMatches(rest, text.substr(i + 1))) return true;
        return false;
    }
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (globMatches(rest, text.substr(i))) return true;
    return false;
}

bool matchStar(std::string_view rest, std::string_view text) {
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (globMatches(rest, text.substr(i))) return true;
        if (i < text.size() && text[i] == '/') break;
    }
    return false;
}

} // namespace

bool globMatches(std::string_view pattern, std::string_view text) {
    while (!pattern.empty()) {
        char p = pattern.front();
        if (pattern.substr(0, 2) == "**") return matchDoubleStar(pattern.substr(2), text);
        if (p == '*') return matchStar(pattern.substr(1), text);
        if (text.empty()) return false;
        std::size_t used = 1;
        if (p == '?') {
            if (text.front() == '/') return false;
        } else if (std::size_t end = p == '[' ? classEnd(pattern) : std::string_view::npos;
                   end != std::string_view::npos) {
            if (text.front() == '/' || !inClass(pattern.substr(1, end - 1), text.front())) return false;
            used = end + 1;
        } else {
            if (p == '\\' && pattern.size() > 1) used = 2;
            if (pattern[used - 1] != text.front()) return false;
        }
        pattern.remove_prefix(used);
        text.remove_prefix(1);
    }
    return text.empty();
}

void GitIgnore::add(std::string_view directory, std::string_view contents) {
    std::string base(directory);
    if (!base.empty() && base.back() != '/') base += '/';
    while (!contents.empty()) {
        std::size_t end = contents.find('\n');
        std::string_view line = withoutTrailingSpaces(contents.substr(0, end));
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        Rule rule{base, {}, false, false, false};
        if (line.front() == '!') {
            rule.negated = true;
            line.remove_prefix(1);
        } else if (line.substr(0, 2) == "\\!" || line.substr(0, 2) == "\\#") {
            line.remove_prefix(1);
        }
        if (!line.empty() && line.back() == '/') {
            rule.directoryOnly = true;
            line.remove_suffix(1);
        }
        rule.anchored = line.find('/') != std::string_view::npos;
        if (!line.empty() && line.front() == '/') line.remove_prefix(1);
        if (line.empty()) continue;
        rule.pattern = line;
        rules_.push_back(std::move(rule));
    }
}

bool GitIgnore::matches(const Rule& rule, std::string_view path, bool isDirectory) {
    if (rule.directoryOnly && !isDirectory) return false;
    if (path.substr(0, rule.directory.size()) != rule.directory) return false;
    path.remove_prefix(rule.directory.size());
    if (rule.anchored) return globMatches(rule.pattern, path);
    std::size_t slash = path.rfind('/');
    return globMatches(rule.pattern, slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool GitIgnore::ignores(std::string_view path, bool isDirectory) const {
    // The last rule that matches decides.
    auto rule = std::find_if(rules_.rbegin(), rules_.rend(),
                             [&](const Rule& each) { return matches(each, path, isDirectory); });
    return rule != rules_.rend() && !rule->negated;
}

} // namespace tindrel::cli
