#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace tindrel {

// Texts numbered in the order they are first seen, each distinct text once. An open-addressing
// table of views: a piece offers tens of thousands of candidates, and a node allocated for each
// cost more than deciding most of them. The texts must outlive the table.
class DistinctTexts {
public:
    // The number of `text`, and whether it was seen for the first time.
    std::pair<std::size_t, bool> insert(std::string_view text);
    // The number of `text`, if it was inserted.
    std::optional<std::size_t> find(std::string_view text) const;
    std::size_t size() const { return texts_.size(); }
    // Starts fetching where `text` would be looked up: a table too large for the cache then costs
    // one wait for memory less, when the text comes to be looked up a little later.
    void prefetch(std::string_view text) const;

private:
    // The slot that holds `text`, or the empty one where it would go.
    std::size_t slotOf(std::string_view text, std::size_t hash) const;
    void grow();
    void place(std::size_t number);

    std::vector<std::string_view> texts_;
    std::vector<std::size_t> hashes_;  // of each text, so that growing hashes nothing again
    std::vector<std::uint32_t> slots_; // 0 for an empty slot, else a text's number + 1
};

} // namespace tindrel
