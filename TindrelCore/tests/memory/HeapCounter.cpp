#include "HeapCounter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

// This test program replaces the global allocation functions so that every container, string and
// node allocated anywhere is counted. Aligned forms are left alone: nothing under test uses them.
namespace tindrel::HeapCounter {
namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> highest{0};

void* take(std::size_t size) noexcept {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) return nullptr;
    std::size_t usable = malloc_usable_size(block);
    std::size_t now = held.fetch_add(usable) + usable;
    std::size_t seen = highest.load();
    while (now > seen && !highest.compare_exchange_weak(seen, now)) {
    }
    return block;
}

void give(void* block) noexcept {
    if (!block) return;
    held.fetch_sub(malloc_usable_size(block));
    std::free(block);
}

} // namespace

std::size_t current() {
    return held.load();
}

std::size_t peak() {
    return highest.load();
}

void restartPeak() {
    highest.store(held.load());
}

} // namespace tindrel::HeapCounter

using tindrel::HeapCounter::give;
using tindrel::HeapCounter::take;

void* operator new(std::size_t size) {
    if (void* block = take(size)) return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return take(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return take(size);
}

void operator delete(void* block) noexcept {
    give(block);
}

void operator delete[](void* block) noexcept {
    give(block);
}

void operator delete(void* block, std::size_t) noexcept {
    give(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    give(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    give(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    give(block);
}
