#include "TindrelCore/scan/BackgroundConsumer.h"
#include "TindrelCore/scan/tests/DestroyedOn.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

using namespace tindrel;

// Batches of every size, a consumer slower than the maker: every item arrives once, in order, and
// on the consumer's own thread.
TEST(BackgroundConsumer, ConsumesEveryItemInOrderOnItsOwnThread) {
    for (std::size_t batch : {1, 3, 64}) {
        std::vector<int> consumed;
        std::thread::id maker = std::this_thread::get_id();
        bool elsewhere = true;
        BackgroundConsumer<int> consumer(
            [&](int&& item) {
                elsewhere = elsewhere && std::this_thread::get_id() != maker;
                if (item % 100 == 0) std::this_thread::yield();
                consumed.push_back(item);
            },
            batch, 2);
        for (int i = 0; i < 1000; ++i)
            consumer.push(int(i));
        consumer.finish();
        ASSERT_EQ(consumed.size(), 1000u) << batch;
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(consumed[static_cast<std::size_t>(i)], i) << batch;
        EXPECT_TRUE(elsewhere) << batch;
    }
}

// What the consumer throws reaches the maker, at a later push or at finish, and the items after
// the one that threw are not consumed.
TEST(BackgroundConsumer, PassesOnWhatTheConsumerThrows) {
    std::vector<int> consumed;
    BackgroundConsumer<int> consumer(
        [&](int&& item) {
            if (item == 10) throw std::runtime_error("full disk");
            consumed.push_back(item);
        },
        4, 1);
    EXPECT_THROW(
        {
            for (int i = 0; i < 1000; ++i)
                consumer.push(int(i));
            consumer.finish();
        },
        std::runtime_error);
    EXPECT_EQ(consumed.size(), 10u);
}

// An item as heavy as a whole batch is handed over at once, however large the batch's count: the
// consumer has it while the maker waits, before any finish.
TEST(BackgroundConsumer, HandsOverABatchOnceItsItemsWeighEnough) {
    std::atomic<int> consumed{0};
    BackgroundConsumer<int> consumer([&](int&&) { ++consumed; }, 1024, 4, 100);
    consumer.push(1, 60);
    consumer.push(2, 60);
    for (int wait = 0; wait < 10000 && consumed < 2; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(consumed, 2) << "two items past the weight make a batch of their own";
    consumer.push(3, 10);
    consumer.finish();
    EXPECT_EQ(consumed, 3);
}

// Items the consumer leaves whole go back to the maker: it destroys every one of them, whether a
// later push or finish takes them back.
TEST(BackgroundConsumer, ItemsAreDestroyedByTheirMaker) {
    for (std::size_t batch : {1, 3, 64}) {
        DestroyedOn log;
        {
            BackgroundConsumer<DestroyedOn::Item> consumer([](DestroyedOn::Item&&) {}, batch, 2);
            for (std::size_t i = 0; i < 1000; ++i)
                consumer.push(DestroyedOn::Item(i, log));
            consumer.finish();
            EXPECT_EQ(log.destroyed().size(), 1000u) << batch;
        }
        for (const auto& [index, byMaker] : log.destroyed())
            ASSERT_TRUE(byMaker) << "batch " << batch << ", item " << index;
    }
}
