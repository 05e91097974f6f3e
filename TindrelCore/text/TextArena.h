#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace tindrel {

// Copies of texts that stay where they were written for as long as the arena lives: one
// allocation a megabyte rather than one a text, and none of them freed one by one.
class TextArena {
public:
    std::string_view copy(std::string_view text);

private:
    static constexpr std::size_t blockBytes = std::size_t{1} << 20;

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr; // where the current block's unused bytes begin
    std::size_t left_ = 0; // and how many there are
};

} // namespace tindrel
