#include "TindrelCore/text/LineColumns.h"

#include "TindrelCore/text/Text.h"

namespace tindrel {

std::size_t LineColumns::columnAt(std::size_t offset) {
    // A CR LF pair ends its line at the LF: the CR stays on the line it ends.
    const std::size_t lineFeed = text_.substr(at_, offset - at_).rfind('\n');
    if (lineFeed != std::string_view::npos) {
        at_ += lineFeed + 1;
        column_ = 1;
    }
    column_ += Text::characterCount(text_.substr(at_, offset - at_));
    at_ = offset;
    return column_;
}

} // namespace tindrel
