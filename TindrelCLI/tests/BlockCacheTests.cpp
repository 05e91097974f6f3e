#include "TindrelCLI/BlockCache.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using tindrel::cli::BlockCache;

namespace {

// Fills the whole of what the block was asked to hold: a block smaller than that is a heap overflow
// the address sanitizer reports.
void* filled(BlockCache& cache, std::size_t bytes) {
    void* block = cache.allocate(bytes);
    std::memset(block, 0xA5, bytes);
    return block;
}

} // namespace

// A block freed is handed out again for any request of its class, the largest included, and holds
// all of it; none of another class is, and one past the largest class is never kept.
TEST(BlockCache, ABlockKeptHoldsAnyRequestOfItsClass) {
    struct Row {
        std::size_t freed, asked;
        bool reused;
    };
    const Row rows[] = {
        {1, 24, true},    {8, 1, true},    {24, 24, true},   {25, 40, true},
        {40, 25, true},   {41, 56, true},  {100, 104, true}, {249, 264, true},
        {264, 250, true}, {25, 24, false}, {24, 25, false},  {264, 265, false},
    };
    for (const Row& row : rows) {
        BlockCache cache{};
        void* block = filled(cache, row.freed);
        cache.release(block, row.freed);
        EXPECT_EQ(cache.keptBlocks(), 1u) << row.freed;
        void* again = filled(cache, row.asked);
        EXPECT_EQ(again == block, row.reused) << row.freed << " then " << row.asked;
        cache.release(again, row.asked);
        cache.close();
    }
    for (std::size_t large : {BlockCache::largestKept + 1, std::size_t{4096}}) {
        BlockCache cache{};
        cache.release(filled(cache, large), large);
        EXPECT_EQ(cache.keptBlocks(), 0u) << large;
    }
}

// Blocks one thread allocated and another frees go back to the heap: the other keeps none.
TEST(BlockCache, KeepsOnlyBlocksOfSizesItHandedOut) {
    BlockCache maker{}, freer{};
    std::vector<void*> blocks;
    for (int i = 0; i < 100; ++i)
        blocks.push_back(filled(maker, 48));
    for (void* block : blocks)
        freer.release(block, 48);
    EXPECT_EQ(freer.keptBlocks(), 0u);
    EXPECT_EQ(maker.keptBlocks(), 0u);
    maker.close();
    freer.close();
}

// However many blocks of a size come back at once, a class keeps a bounded number; closing frees
// them all, and a block released after that is freed at once.
TEST(BlockCache, KeepsABoundedNumberAndGivesAllBackWhenClosed) {
    BlockCache cache{};
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < BlockCache::blocksPerClass + 500; ++i)
        blocks.push_back(filled(cache, 64));
    void* late = filled(cache, 64);
    for (void* block : blocks)
        cache.release(block, 64);
    EXPECT_EQ(cache.keptBlocks(), BlockCache::blocksPerClass);
    cache.close();
    EXPECT_EQ(cache.keptBlocks(), 0u);
    cache.release(late, 64);
    EXPECT_EQ(cache.keptBlocks(), 0u);
}
