#include "TindrelCore/scan/DistinctTexts.h"

#include "TindrelCore/text/TextHash.h"

#include <stdexcept>

namespace tindrel {

// Every candidate of a piece passes here, most of them texts seen before: the probe is inlined.
[[gnu::always_inline]] inline std::size_t DistinctTexts::slotOf(std::string_view text,
                                                                std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    for (std::uint32_t taken = slots_[slot]; taken != 0; taken = slots_[slot]) {
        if (hashes_[taken - 1] == hash && texts_[taken - 1] == text) return slot;
        slot = (slot + 1) & mask;
    }
    return slot;
}

std::pair<std::size_t, bool> DistinctTexts::insert(std::string_view text) {
    // At most half the slots are taken, so a probe ends at an empty one soon.
    if (2 * (texts_.size() + 1) > slots_.size()) grow();
    const std::size_t hash = textHash(text);
    if (const std::uint32_t taken = slots_[slotOf(text, hash)]; taken != 0) return {taken - 1, false};
    if (texts_.size() >= UINT32_MAX - 1) throw std::length_error("too many distinct texts");
    texts_.push_back(text);
    hashes_.push_back(hash);
    place(texts_.size() - 1);
    return {texts_.size() - 1, true};
}

std::optional<std::size_t> DistinctTexts::find(std::string_view text) const {
    if (texts_.empty()) return std::nullopt;
    const std::uint32_t taken = slots_[slotOf(text, textHash(text))];
    if (taken == 0) return std::nullopt;
    return taken - 1;
}

void DistinctTexts::prefetch(std::string_view text) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[textHash(text) & (slots_.size() - 1)]);
}

void DistinctTexts::grow() {
    slots_.assign(slots_.empty() ? 1024 : 2 * slots_.size(), 0);
    for (std::size_t number = 0; number < texts_.size(); ++number)
        place(number);
}

void DistinctTexts::place(std::size_t number) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hashes_[number] & mask;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(number + 1);
}

} // namespace tindrel
