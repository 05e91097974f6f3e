#include "TindrelCore/formats/MarkupDepth.h"

namespace tindrel {
namespace {

// The position just past the next `terminator` from `from`, or the end of the text.
std::size_t after(std::string_view text, std::size_t from, std::string_view terminator) {
    std::size_t end = text.find(terminator, from);
    return end == std::string_view::npos ? text.size() : end + terminator.size();
}

} // namespace

bool nestsDeeperThan(std::string_view markup, std::size_t limit) {
    std::size_t depth = 0;
    std::size_t pos = 0;
    while ((pos = markup.find('<', pos)) != std::string_view::npos) {
        std::string_view rest = markup.substr(pos);
        if (rest.starts_with("<!--")) {
            pos = after(markup, pos + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            pos = after(markup, pos + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            pos = after(markup, pos + 2, "?>");
        } else if (rest.starts_with("<!")) {
            pos = after(markup, pos + 2, ">");
        } else if (rest.starts_with("</")) {
            depth -= depth > 0;
            pos = after(markup, pos + 2, ">");
        } else {
            std::size_t end = markup.find('>', pos);
            if (end == std::string_view::npos) break;
            if (markup[end - 1] != '/' && ++depth > limit) return true;
            pos = end + 1;
        }
    }
    return false;
}

} // namespace tindrel
