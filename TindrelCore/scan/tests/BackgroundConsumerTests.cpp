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

// Each item is looked at ahead once, on the consumer's thread, before it is consumed and at most a
// few items before: batches shorter and longer than the look-ahead alike.
TEST(BackgroundConsumer, LooksAtEachItemAheadOnceShortlyBeforeConsumingIt) {
    for (std::size_t batch : {1, 5, 64}) {
        std::vector<std::size_t> seenAt(500, SIZE_MAX); // how many items were consumed when each was seen
        std::size_t consumed = 0;
        bool once = true, elsewhere = true;
        const std::thread::id maker = std::this_thread::get_id();
        BackgroundConsumer<std::size_t> consumer(
            [&](std::size_t&& item) {
                ASSERT_LE(seenAt[item], consumed) << "batch " << batch << ", item " << item;
                ++consumed;
            },
            [&](const std::size_t& item) {
                once = once && seenAt[item] == SIZE_MAX;
                elsewhere = elsewhere && std::this_thread::get_id() != maker;
                seenAt[item] = consumed;
            },
            batch, 2, SIZE_MAX);
        for (std::size_t i = 0; i < seenAt.size(); ++i)
            consumer.push(std::size_t(i));
        consumer.finish();
        ASSERT_EQ(consumed, seenAt.size()) << batch;
        EXPECT_TRUE(once) << batch;
        EXPECT_TRUE(elsewhere) << batch;
        for (std::size_t i = 0; i < seenAt.size(); ++i)
            ASSERT_LE(i - seenAt[i], 8u) << "batch " << batch << ": item " << i << " seen too early";
    }
}
