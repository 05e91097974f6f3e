#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace tindrel {

// Hands items, in order, to `consume` on a thread of its own, a batch at a time, so that the
// thread that makes them goes on meanwhile. A batch is full at `batchSize` items, or sooner once
// the weights pushed with them (what they hold, near enough) reach `batchWeight`, so that a few
// huge items never pile up. At most `maxBatches` full batches wait: a maker that runs ahead waits
// for the consumer. What `consume` throws reaches the maker at its next push or at finish, and
// nothing more is consumed. Items consumed go back to the maker, which destroys them as it hands
// over its next batch: the consuming thread, often the one every item waits for, spends no time
// freeing what others allocated.
template <typename Item> class BackgroundConsumer {
public:
    explicit BackgroundConsumer(std::function<void(Item&&)> consume, std::size_t batchSize = 1024,
                                std::size_t maxBatches = 4, std::size_t batchWeight = SIZE_MAX)
        : BackgroundConsumer(std::move(consume), {}, batchSize, maxBatches, batchWeight) {}

    // `ahead` sees each item a few items before it is consumed, on the consumer's thread, to fetch
    // into the cache what consuming it will read.
    BackgroundConsumer(std::function<void(Item&&)> consume, std::function<void(const Item&)> ahead,
                       std::size_t batchSize, std::size_t maxBatches, std::size_t batchWeight)
        : consume_(std::move(consume))
        , ahead_(std::move(ahead))
        , batchSize_(batchSize)
        , batchWeight_(batchWeight)
        , maxBatches_(maxBatches)
        , thread_([this] { run(); }) {}

    // Stops after the batch being consumed; what has not been finished is dropped.
    ~BackgroundConsumer() {
        close();
        thread_.join();
    }
    BackgroundConsumer(const BackgroundConsumer&) = delete;
    BackgroundConsumer& operator=(const BackgroundConsumer&) = delete;

    void push(Item&& item, std::size_t weight = 0) {
        filling_.push_back(std::move(item));
        fillingWeight_ += weight;
        if (filling_.size() >= batchSize_ || fillingWeight_ >= batchWeight_) handOver();
    }

    // Every item pushed has been consumed.
    void finish() {
        handOver();
        std::deque<std::vector<Item>> consumed;
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return (waiting_.empty() && !consuming_) || failure_; });
        consumed.swap(consumed_);
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    void handOver() {
        std::deque<std::vector<Item>> consumed;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return waiting_.size() < maxBatches_ || failure_; });
            consumed.swap(consumed_);
            if (failure_) std::rethrow_exception(failure_);
            if (filling_.empty()) return;
            waiting_.push_back(std::move(filling_));
            fillingWeight_ = 0;
            changed_.notify_all();
        }
        // A consumed batch's storage is the next one's, cleared here rather than on the consumer.
        filling_.clear();
        if (!consumed.empty()) {
            consumed.front().clear();
            filling_.swap(consumed.front());
        }
    }

    void close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

    void run() {
        for (;;) {
            std::vector<Item> batch;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return !waiting_.empty() || closed_; });
                if (closed_ || failure_) return; // closed unfinished: what waits is dropped
                batch = std::move(waiting_.front());
                waiting_.pop_front();
                consuming_ = true;
                changed_.notify_all();
            }
            std::exception_ptr failure;
            try {
                consumeAll(batch);
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard lock(mutex_);
            consumed_.push_back(std::move(batch));
            consuming_ = false;
            failure_ = failure;
            changed_.notify_all();
        }
    }

    // Items seen this many ahead are in the cache when their turn comes, and not yet pushed out.
    static constexpr std::size_t lookAhead = 8;

    void consumeAll(std::vector<Item>& batch) {
        if (ahead_)
            for (std::size_t i = 0; i < std::min(lookAhead, batch.size()); ++i)
                ahead_(batch[i]);
        for (std::size_t i = 0; i < batch.size(); ++i) {
            if (ahead_ && i + lookAhead < batch.size()) ahead_(batch[i + lookAhead]);
            consume_(std::move(batch[i]));
        }
    }

    std::function<void(Item&&)> consume_;
    std::function<void(const Item&)> ahead_;
    std::size_t batchSize_;
    std::size_t batchWeight_;
    std::size_t maxBatches_;
    std::vector<Item> filling_; // the maker's own
    std::size_t fillingWeight_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<Item>> waiting_;
    std::deque<std::vector<Item>> consumed_; // for the maker to destroy
    bool consuming_ = false;
    bool closed_ = false;
    std::exception_ptr failure_;
    std::thread thread_; // last: it starts once everything it reads is ready
};

} // namespace tindrel
