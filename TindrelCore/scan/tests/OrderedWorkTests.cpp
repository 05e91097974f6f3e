#include "TindrelCore/scan/OrderedWork.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

using namespace tindrel;

// Indexes emit very different amounts, one throws halfway, and the consumer sees every item of each
// index in order, index after index, up to the failure, which then reaches the caller as it would
// from a loop over the indexes.
TEST(OrderedWork, HandsOverEveryItemInOrderUntilAnIndexThrows) {
    constexpr std::size_t count = 40;
    using Item = std::pair<std::size_t, std::size_t>;
    std::vector<Item> seen, expected;
    for (std::size_t i = 0; i <= 7; ++i)
        for (std::size_t k = 0; k < (i == 7 ? 500 : (i * 997) % 3000); ++k)
            expected.emplace_back(i, k);
    EXPECT_THROW(runInOrder<Item>(
                     count,
                     [](std::size_t i, auto& emit) {
                         for (std::size_t k = 0; k < (i * 997) % 3000; ++k) {
                             if (i == 7 && k == 500) throw std::runtime_error("halfway");
                             emit({i, k});
                         }
                     },
                     [&](Item&& item) { seen.push_back(item); }, 16),
                 std::runtime_error);
    EXPECT_EQ(seen, expected);
}

TEST(OrderedWork, AConsumerThatThrowsEndsTheWork) {
    std::size_t consumed = 0;
    EXPECT_THROW(runInOrder<int>(
                     1000, [](std::size_t, auto& emit) { emit(1); },
                     [&](int&&) {
                         if (++consumed == 10) throw std::runtime_error("stop");
                     }),
                 std::runtime_error);
    EXPECT_EQ(consumed, 10u);
}
