#pragma once

#include <cstddef>
#include <cstdint>

namespace tindrel::cli {

// Small blocks a thread freed, kept for its own next allocations of their size, in front of
// malloc. Every block is an ordinary malloc block, so any block may go to free() instead. A thread
// keeps only as many blocks of a size as it handed out and has not had back: one that frees what
// others allocated gives those blocks back to the heap, where their makers find them. Trivially
// destructible and constant-initialised, so that a thread_local one serves a thread from its first
// allocation to its last.
class BlockCache {
public:
    // glibc's chunks are 16 bytes apart and one of n bytes holds n − 8, so the classes are its own:
    // a block asked for at its class's size wastes nothing.
    static constexpr std::size_t classBytes = 16;
    static constexpr std::size_t smallestClass = 24;
    static constexpr std::size_t classCount = 16;
    static constexpr std::size_t largestKept = smallestClass + classBytes * (classCount - 1);
    static constexpr std::uint32_t blocksPerClass = 2048;

    // A block that holds at least `bytes`; throws std::bad_alloc as operator new does.
    void* allocate(std::size_t bytes);
    // Keeps or frees a block `allocate` handed out for `bytes`, here or on another thread.
    void release(void* block, std::size_t bytes) noexcept;
    // Frees every block kept; from then on every block released is freed.
    void close() noexcept;

    std::size_t keptBlocks() const;

private:
    struct FreeBlock {
        FreeBlock* next;
    };

    FreeBlock* heads_[classCount];
    std::uint32_t counts_[classCount];
    std::uint32_t out_[classCount]; // handed out and not had back, up to blocksPerClass
    bool closed_;
};

} // namespace tindrel::cli
