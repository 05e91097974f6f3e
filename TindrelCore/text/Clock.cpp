#include "TindrelCore/text/Clock.h"

#include <atomic>
#include <chrono>

namespace tindrel::Clock {
namespace {
std::atomic<bool> pinned{false};
std::atomic<double> pinnedValue{0};
} // namespace

double now() {
    if (pinned.load(std::memory_order_acquire)) return pinnedValue.load(std::memory_order_relaxed);
    auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

Pinned::Pinned(double secondsSince1970) {
    pinnedValue.store(secondsSince1970, std::memory_order_relaxed);
    pinned.store(true, std::memory_order_release);
}

Pinned::~Pinned() {
    pinned.store(false, std::memory_order_release);
}

} // namespace tindrel::Clock
