#include "TindrelCore/formats/YAML.h"
#include "TindrelCore/text/Text.h"

namespace tindrel::YAML {
namespace {

// Unicode space separators (general category Zs).
bool isSpaceSeparator(char32_t c) {
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Space separators and tabs; a lone carriage return (the rest of a CRLF blank line) counts too.
bool isBlankFiller(char32_t c) {
    return isSpaceSeparator(c) || c == '\t' || c == '\r';
}

// What "\s" matches in ICU: tab, line feed, form feed, carriage return and every separator.
bool isTrailingSpace(char32_t c) {
    return isSpaceSeparator(c) || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == 0x2028 ||
           c == 0x2029;
}

// One forward pass: the content between the first and the last scalar rejected by `strip`.
template <typename Strip> std::string_view trimmed(std::string_view s, Strip strip, bool leading) {
    std::size_t start = s.size();
    std::size_t end = 0;
    for (std::size_t pos = 0; pos < s.size();) {
        Text::Scalar scalar = Text::decodeScalar(s, pos);
        if (!strip(scalar.value)) {
            if (start == s.size()) start = pos;
            end = pos + scalar.length;
        }
        pos += scalar.length;
    }
    if (start == s.size()) return {};
    return s.substr(leading ? start : 0, end - (leading ? start : 0));
}

struct Indent {
    std::size_t spaces;
    bool tabbed; // a tab sits among the leading blanks
};

Indent measureIndent(std::string_view line) {
    std::size_t spaces = 0;
    while (spaces < line.size() && line[spaces] == ' ')
        ++spaces;
    return {spaces, spaces < line.size() && line[spaces] == '\t'};
}

} // namespace

LineReader::LineReader(std::string_view s)
    : s_(s) {}

std::optional<Line> LineReader::next() {
    while (!tabbed_ && begin_ <= s_.size()) {
        std::size_t end = s_.find('\n', begin_);
        if (end == std::string_view::npos) end = s_.size();
        std::string_view raw = s_.substr(begin_, end - begin_);
        begin_ = end + 1;

        std::string_view t = trimmed(raw, isBlankFiller, true);
        if (t.empty() || t.front() == '#') continue;
        if (t == "---" || t == "...") {
            sawMarker_ = true;
            continue;
        }
        Indent indent = measureIndent(raw);
        tabbed_ = indent.tabbed;
        if (!tabbed_) return Line{indent.spaces, trimmed(raw.substr(indent.spaces), isTrailingSpace, false)};
    }
    return std::nullopt;
}

std::optional<Lines> preprocess(std::string_view s) {
    Lines result;
    LineReader reader(s);
    while (std::optional<Line> line = reader.next())
        result.lines.push_back(*line);
    if (reader.tabbed()) return std::nullopt;
    result.sawMarker = reader.sawMarker();
    return result;
}

} // namespace tindrel::YAML
