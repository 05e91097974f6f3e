#pragma once

#include <atomic>
#include <memory>

namespace tindrel {

// A flag shared between the caller and a running explanation; copies share the same flag, so the
// caller keeps one copy and cancels from any thread while the call polls the other.
class Cancellation {
public:
    Cancellation()
        : flag_(std::make_shared<std::atomic<bool>>(false)) {}

    void cancel() const { flag_->store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return flag_->load(std::memory_order_relaxed); }

private:
    std::shared_ptr<std::atomic<bool>> flag_;
};

} // namespace tindrel
