#include "TindrelCore/scan/OrderedWork.h"
#include "TindrelCore/scan/tests/DestroyedOn.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
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

// Lanes of one item, indexes that emit nothing, more workers than indexes: every wait ends, and
// the items come in order.
TEST(OrderedWork, EndsWhateverTheLanesHold) {
    for (std::size_t buffered : {1, 2, 7})
        for (std::size_t count : {1, 2, 3, 50}) {
            std::vector<std::size_t> seen, expected;
            for (std::size_t i = 0; i < count; ++i)
                expected.insert(expected.end(), i % 5, i);
            runInOrder<std::size_t>(
                count,
                [](std::size_t i, auto& emit) {
                    for (std::size_t k = 0; k < i % 5; ++k)
                        emit(std::size_t(i));
                },
                [&](std::size_t&& item) { seen.push_back(item); }, buffered);
            EXPECT_EQ(seen, expected) << "buffered " << buffered << ", count " << count;
        }
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

// Every item is destroyed once; those of indexes handed over while their worker still had work to
// take up are destroyed by that worker, not by the consuming thread.
TEST(OrderedWork, ItemsAreDestroyedByTheThreadThatMadeThem) {
    constexpr std::size_t count = 60, perIndex = 700;
    DestroyedOn log;
    std::size_t consumed = 0;
    runInOrder<DestroyedOn::Item>(
        count,
        [&](std::size_t i, auto& emit) {
            for (std::size_t k = 0; k < perIndex; ++k)
                emit(DestroyedOn::Item(i, log));
        },
        [&](DestroyedOn::Item&&) { ++consumed; }, 64);
    EXPECT_EQ(consumed, count * perIndex);
    const auto destroyed = log.destroyed();
    ASSERT_EQ(destroyed.size(), count * perIndex);
    const std::size_t workers = std::max(1u, std::thread::hardware_concurrency());
    for (const auto& [index, byMaker] : destroyed)
        EXPECT_TRUE(byMaker || index + 2 * workers + 1 >= count) << "index " << index;
}
