#include "TindrelCore/text/StableSort.h"

#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

using namespace tindrel;

// Either side of the size where the insertion sort gives way, with many equal keys: the order is
// std::stable_sort's, equal keys in their first order.
TEST(StableSort, OrdersAsTheStandardStableSort) {
    std::mt19937 random(3);
    auto byKey = [](const std::pair<int, int>& a, const std::pair<int, int>& b) { return a.first < b.first; };
    for (int size = 0; size <= 40; ++size)
        for (int round = 0; round < 50; ++round) {
            std::vector<std::pair<int, int>> items;
            items.reserve(static_cast<std::size_t>(size));
            for (int i = 0; i < size; ++i)
                items.emplace_back(static_cast<int>(random() % 5), i);
            std::vector<std::pair<int, int>> expected = items;
            std::stable_sort(expected.begin(), expected.end(), byKey);
            stableSort(items.begin(), items.end(), byKey);
            ASSERT_EQ(items, expected) << size;
        }
}
