#pragma once

#include <cstddef>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace tindrel {

// Which items were destroyed on the thread that made them: for code that hands items between
// threads and must give them back to their maker to free.
class DestroyedOn {
public:
    // One item of `index`, made on the calling thread; moving it moves the record along, so only
    // the last holder's destruction counts.
    class Item {
    public:
        Item(std::size_t index, DestroyedOn& log)
            : index_(index)
            , log_(&log) {}
        Item(Item&& other) noexcept
            : index_(other.index_)
            , maker_(other.maker_)
            , log_(std::exchange(other.log_, nullptr)) {}
        Item& operator=(Item&& other) noexcept {
            std::swap(index_, other.index_);
            std::swap(maker_, other.maker_);
            std::swap(log_, other.log_);
            return *this;
        }
        ~Item() {
            if (log_) log_->record(index_, maker_ == std::this_thread::get_id());
        }

    private:
        std::size_t index_;
        std::thread::id maker_ = std::this_thread::get_id();
        DestroyedOn* log_;
    };

    // Each item destroyed: its index, and whether its maker destroyed it.
    std::vector<std::pair<std::size_t, bool>> destroyed() const {
        std::lock_guard lock(mutex_);
        return destroyed_;
    }

private:
    void record(std::size_t index, bool byMaker) {
        std::lock_guard lock(mutex_);
        destroyed_.emplace_back(index, byMaker);
    }

    mutable std::mutex mutex_;
    std::vector<std::pair<std::size_t, bool>> destroyed_;
};

} // namespace tindrel
