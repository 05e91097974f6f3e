#pragma once

#include <cstddef>
#include <string_view>

namespace tindrel {

// The 1-based columns of positions of a text asked for in ascending order: user-perceived
// characters (grapheme clusters) from the start of their line, so a tab, an accented letter or a
// flag counts one. Each is counted on from the position asked for before it when both share a
// line, so a line of a million findings is walked once, not once for each. The positions must
// begin characters, as findings do: counting on from one then gives what counting from the start
// of the line gives.
class LineColumns {
public:
    explicit LineColumns(std::string_view text)
        : text_(text) {}

    std::size_t columnAt(std::size_t offset);

private:
    std::string_view text_;
    std::size_t at_ = 0;     // the position asked for last, or the start of its line
    std::size_t column_ = 1; // the column of at_
};

} // namespace tindrel
