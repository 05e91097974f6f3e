#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A reader for the block subset of YAML that people paste: indented mappings, "- " sequences,
// plain and quoted scalars, comment lines and document markers. Flow collections, block scalars,
// anchors, tags and escapes are left as plain text. Values are built as JSON values (mappings
// as objects, so a repeated key replaces the earlier value).
namespace tindrel::YAML {

// Deeper nesting is refused: the recursive reader and the JSON writer would otherwise run the
// stack out on hostile input. The same bound as the JSON reader's.
inline constexpr int maxDepth = 512;

// One significant source line, viewing the text it was read from: that text must outlive it.
struct Line {
    std::size_t indent;    // leading space characters
    std::string_view text; // the rest, trailing white space removed

    bool operator==(const Line&) const = default;
};

struct Lines {
    std::vector<Line> lines;
    bool sawMarker = false; // a "---" or "..." line was seen
};

// The significant lines of a text one at a time, so a text can be judged without holding them all.
// Blank and "#" comment lines are skipped; a tab indenting a significant line ends the reading.
class LineReader {
public:
    explicit LineReader(std::string_view s);

    // The next significant line; nothing at the end of the text or at a tab-indented line.
    std::optional<Line> next();
    bool tabbed() const { return tabbed_; }
    bool sawMarker() const { return sawMarker_; } // in the lines read so far

private:
    std::string_view s_;
    std::size_t begin_ = 0;
    bool tabbed_ = false;
    bool sawMarker_ = false;
};

// Every significant line; nothing when a tab indents one.
std::optional<Lines> preprocess(std::string_view s);

// The key and value around the first ": " (or final ":") outside quotes; nothing without one or
// when the key is empty.
std::optional<std::pair<std::string, std::string>> splitMapping(std::string_view x);

// True for "-" alone and for text beginning "- ".
bool isSequenceItem(std::string_view text);

// The mapping or sequence whose first line is lines[i]; `i` ends at the first line not consumed.
// Nothing when the value would nest deeper than maxDepth. `i` must point into `lines`.
std::optional<nlohmann::json> parseBlock(const std::vector<Line>& lines, std::size_t& i);

// A typed scalar: null, boolean, 64-bit integer, double or text.
nlohmann::json scalar(std::string_view x);

} // namespace tindrel::YAML
