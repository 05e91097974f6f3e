#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace tindrel {

// Sorts as std::stable_sort does. A handful of elements, the usual case (an object's members, a
// query's pairs), are sorted in place by insertion, without the buffer std::stable_sort takes.
template <typename Iterator, typename Less> void stableSort(Iterator first, Iterator last, Less less) {
    constexpr std::ptrdiff_t few = 16;
    if (std::distance(first, last) > few) {
        std::stable_sort(first, last, less);
        return;
    }
    if (first == last) return;
    for (Iterator next = std::next(first); next != last; ++next) {
        if (!less(*next, *std::prev(next))) continue;
        auto moving = std::move(*next);
        Iterator at = next;
        do {
            *at = std::move(*std::prev(at));
            --at;
        } while (at != first && less(moving, *std::prev(at)));
        *at = std::move(moving);
    }
}

// Sorts by the key `keyOf` gives, keeping of equal keys only the last: what a reader that assigns
// each in turn ends with (an object's members, facts gathered out of order).
template <typename Items, typename KeyOf> void sortKeepingLast(Items& items, KeyOf keyOf) {
    using Item = typename Items::value_type;
    stableSort(items.begin(), items.end(),
               [&keyOf](const Item& a, const Item& b) { return keyOf(a) < keyOf(b); });
    auto kept = std::unique(items.rbegin(), items.rend(), [&keyOf](const Item& later, const Item& earlier) {
        return keyOf(later) == keyOf(earlier);
    });
    items.erase(items.begin(), kept.base());
}

} // namespace tindrel
