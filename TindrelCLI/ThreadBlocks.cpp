// Each thread of the command allocates small blocks through a BlockCache of its own.
//
// A scan's workers decode a chain of half a dozen small blocks for each of millions of findings,
// and free them by the thousand: the chains a piece kept, once its findings are written. glibc's
// own per-thread cache holds seven blocks of a size, so nearly every one of those frees and the
// allocations after them went to the shared heap: a crowded line of distinct timestamps spent a
// fifth of its time there.
//
// Sanitizer builds leave allocation alone: a block kept here would hide its use after delete.

#include "TindrelCLI/BlockCache.h"

#include <cstddef>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define TINDREL_SANITIZED_HEAP
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TINDREL_SANITIZED_HEAP
#endif

#ifndef TINDREL_SANITIZED_HEAP

namespace tindrel::cli {
namespace {

constinit thread_local BlockCache blocks{};
constinit thread_local bool closesAtThreadEnd = false;

// Gives the thread's blocks back as it ends; set up by the thread's first allocation, before which
// it keeps none.
struct CloseAtThreadEnd {
    ~CloseAtThreadEnd() { blocks.close(); }
};
thread_local CloseAtThreadEnd closeAtThreadEnd;

void* allocate(std::size_t bytes) {
    if (!closesAtThreadEnd) {
        closesAtThreadEnd = true;
        (void)&closeAtThreadEnd; // its first use registers its destructor
    }
    return blocks.allocate(bytes);
}

} // namespace
} // namespace tindrel::cli

using tindrel::cli::allocate;
using tindrel::cli::blocks;

void* operator new(std::size_t bytes) {
    return allocate(bytes);
}

void* operator new[](std::size_t bytes) {
    return allocate(bytes);
}

void operator delete(void* block, std::size_t bytes) noexcept {
    blocks.release(block, bytes);
}

void operator delete[](void* block, std::size_t bytes) noexcept {
    blocks.release(block, bytes);
}

// Without its size a block cannot be told its class: it goes back to the heap.
void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

#endif
