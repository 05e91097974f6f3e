#include "TindrelCore/text/TextArena.h"

#include <algorithm>
#include <cstring>

namespace tindrel {

std::string_view TextArena::copy(std::string_view text) {
    if (text.size() > left_) {
        const std::size_t size = std::max(blockBytes, text.size());
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        free_ = blocks_.back().get();
        left_ = size;
    }
    if (!text.empty()) std::memcpy(free_, text.data(), text.size());
    std::string_view copied(free_, text.size());
    free_ += text.size();
    left_ -= text.size();
    return copied;
}

} // namespace tindrel
