#include "TindrelCLI/BlockCache.h"

#include <cstdlib>
#include <new>

namespace tindrel::cli {
namespace {

// Blocks of class c hold 24 + 16 × c bytes.
std::size_t classOf(std::size_t bytes) {
    return bytes <= BlockCache::smallestClass
               ? 0
               : (bytes - BlockCache::smallestClass + BlockCache::classBytes - 1) / BlockCache::classBytes;
}

std::size_t bytesOfClass(std::size_t c) {
    return BlockCache::smallestClass + c * BlockCache::classBytes;
}

} // namespace

void* BlockCache::allocate(std::size_t bytes) {
    if (bytes == 0) bytes = 1;
    std::size_t request = bytes;
    if (bytes <= largestKept) {
        const std::size_t c = classOf(bytes);
        if (out_[c] < blocksPerClass) ++out_[c];
        if (FreeBlock* block = heads_[c]) {
            heads_[c] = block->next;
            --counts_[c];
            return block;
        }
        request = bytesOfClass(c); // any block of the class then serves any request of it
    }
    for (;;) {
        if (void* block = std::malloc(request)) return block;
        std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

void BlockCache::release(void* block, std::size_t bytes) noexcept {
    if (block && bytes <= largestKept && !closed_) {
        const std::size_t c = classOf(bytes);
        if (out_[c] > 0 && counts_[c] < blocksPerClass) {
            --out_[c];
            heads_[c] = new (block) FreeBlock{heads_[c]};
            ++counts_[c];
            return;
        }
    }
    std::free(block);
}

void BlockCache::close() noexcept {
    closed_ = true;
    for (std::size_t c = 0; c < classCount; ++c) {
        while (FreeBlock* block = heads_[c]) {
            heads_[c] = block->next;
            std::free(block);
        }
        counts_[c] = 0;
    }
}

std::size_t BlockCache::keptBlocks() const {
    std::size_t blocks = 0;
    for (std::uint32_t count : counts_)
        blocks += count;
    return blocks;
}

} // namespace tindrel::cli
