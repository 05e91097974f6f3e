#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tindrel {
namespace orderedWork {

// Moves `from` to the back of `to`; an empty `to` takes its storage whole, so vectors go round
// between the threads instead of each growing one of its own.
template <typename Item> void append(std::vector<Item>& to, std::vector<Item>& from) {
    if (to.empty())
        to.swap(from);
    else
        std::move(from.begin(), from.end(), std::back_inserter(to));
}

// The items of each index on their way from the workers to the consumer, and back to their
// worker once consumed. A thread is woken only when what it waits for may have come: a worker
// waits for room in its lane (items of its lane taken) or for an index to take up (the index
// handed over moving on), the consumer for the lane it hands over. Items dense enough change hands
// tens of thousands of times a second, and waking every thread at each would cost more than the
// items.
template <typename Item> class Lanes {
public:
    Lanes(std::size_t count, std::size_t workers, std::size_t buffered)
        : lanes_(count)
        , waiters_(workers)
        , spent_(workers)
        , retired_(workers, 0)
        , workers_(workers)
        , buffered_(buffered) {}

    // The next index for `worker` to take up, once work may start that far ahead; nothing when all
    // are taken or the work stops. The worker then retires, and the items it made that have been
    // consumed go to `doomed`, for it to destroy.
    std::optional<std::size_t> take(std::size_t worker, std::vector<Item>& doomed) {
        std::unique_lock lock(mutex_);
        waiters_[worker].wait(
            lock, [&] { return stopping_ || next_ >= lanes_.size() || next_ < head_ + 2 * workers_; });
        if (stopping_ || next_ >= lanes_.size()) {
            retired_[worker] = 1;
            doomed.swap(spent_[worker]);
            return std::nullopt;
        }
        lanes_[next_].worker = worker;
        return next_++;
    }

    // Moves a batch into its lane once the lane has room, the last one with what the work threw,
    // if anything. The items of the worker's consumed meanwhile go to `doomed`.
    void handOver(std::size_t worker, std::size_t index, std::vector<Item>& batch, bool last,
                  std::vector<Item>& doomed, const std::exception_ptr& failure = {}) {
        Lane& lane = lanes_[index];
        bool wakeConsumer;
        {
            std::unique_lock lock(mutex_);
            waiters_[worker].wait(lock, [&] { return stopping_ || lane.items.size() < buffered_; });
            append(lane.items, batch);
            lane.closed = last;
            lane.failure = failure;
            doomed.swap(spent_[worker]);
            wakeConsumer = consumerWaits_ && index == head_;
        }
        if (wakeConsumer) forConsumer_.notify_one();
    }

    bool finished() const { return head_ >= lanes_.size(); }

    struct Taken {
        std::size_t worker;         // who made the items
        std::exception_ptr failure; // what the index's work threw, once all its items are taken
    };
    // Waits for items of the index being handed over and moves them to `items`.
    Taken takeHead(std::vector<Item>& items) {
        Taken taken;
        bool moved;
        {
            std::unique_lock lock(mutex_);
            Lane& lane = lanes_[head_];
            consumerWaits_ = true;
            forConsumer_.wait(lock, [&] { return !lane.items.empty() || lane.closed; });
            consumerWaits_ = false;
            items.swap(lane.items);
            taken = {lane.worker, lane.closed ? lane.failure : nullptr};
            moved = lane.closed;
            if (moved) ++head_; // work may start further ahead
        }
        if (moved)
            wakeWorkers();
        else
            waiters_[taken.worker].notify_one();
        return taken;
    }

    // Consumed items go back to their worker, unless it has retired.
    void giveBack(std::size_t worker, std::vector<Item>& items) {
        std::lock_guard lock(mutex_);
        if (!retired_[worker]) append(spent_[worker], items);
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wakeWorkers();
        forConsumer_.notify_all();
    }

private:
    struct Lane {
        std::vector<Item> items; // emitted, not yet handed over
        bool closed = false;
        std::exception_ptr failure; // what the work threw, once closed
        std::size_t worker = 0;     // which worker made the items
    };

    void wakeWorkers() {
        for (std::condition_variable& waiter : waiters_)
            waiter.notify_one();
    }

    std::mutex mutex_;
    std::condition_variable forConsumer_;
    std::vector<Lane> lanes_;
    std::vector<std::condition_variable> waiters_; // one for each worker
    std::vector<std::vector<Item>> spent_;         // consumed, waiting for their worker to destroy
    std::vector<char> retired_;                    // workers gone: the consumer destroys their items
    std::size_t workers_;
    std::size_t buffered_;
    std::size_t next_ = 0;
    std::size_t head_ = 0; // the index being handed over
    bool consumerWaits_ = false;
    bool stopping_ = false;
};

} // namespace orderedWork

// Runs produce(i, emit) for i = 0 … count - 1 on a pool of threads, one per core, and hands every
// item emitted to `consume` on the calling thread in order: all of index 0 as it comes, then all of
// index 1, and so on. Work starts at most two indexes per worker ahead of the one being handed over,
// and an index holds at most about `buffered` items that wait for it: a worker whose items cannot
// be handed over yet waits, so however much one index emits, the memory held stays bounded. Items
// change hands in batches, so that a million small ones cost few locks. When no thread can be
// started, the calling thread does the work itself, in order. As in that order, an index whose work
// throws emits nothing more, and the exception goes on once the items it emitted before have been
// handed over; so does one that `consume` throws. Either way the work stops. Items consumed go back
// to the worker that made them, to be destroyed there: memory freed on the thread that allocated
// it does not wait on that thread's heap, as it does when another thread frees it.
template <typename Item, typename Produce, typename Consume>
void runInOrder(std::size_t count, Produce produce, Consume consume, std::size_t buffered = 256) {
    const std::size_t batch = std::max<std::size_t>(1, buffered / 4);
    const std::size_t workers =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), count);
    orderedWork::Lanes<Item> lanes(count, workers, buffered);

    auto work = [&](std::size_t worker) {
        std::vector<Item> pending, doomed;
        // A consumed batch's storage takes the next batch, once its items are destroyed here.
        auto handOver = [&](std::size_t index, bool last, const std::exception_ptr& failure = {}) {
            lanes.handOver(worker, index, pending, last, doomed, failure);
            pending.clear();
            doomed.clear();
            if (pending.capacity() < doomed.capacity()) pending.swap(doomed);
        };
        while (std::optional<std::size_t> index = lanes.take(worker, doomed)) {
            auto emit = [&](Item&& item) {
                pending.push_back(std::move(item));
                if (pending.size() >= batch) handOver(*index, false);
            };
            std::exception_ptr failure;
            try {
                produce(*index, emit);
            } catch (...) {
                failure = std::current_exception();
            }
            handOver(*index, true, failure);
        }
    };
    std::vector<std::jthread> pool;
    try {
        for (std::size_t i = 0; i < workers; ++i)
            pool.emplace_back(work, i);
    } catch (...) {
    }
    if (pool.empty()) {
        for (std::size_t i = 0; i < count; ++i)
            produce(i, consume);
        return;
    }
    std::vector<Item> taken;
    try {
        while (!lanes.finished()) {
            auto [worker, failure] = lanes.takeHead(taken);
            for (Item& item : taken)
                consume(std::move(item));
            lanes.giveBack(worker, taken);
            taken.clear();
            if (failure) std::rethrow_exception(failure);
        }
    } catch (...) {
        lanes.stop();
        pool.clear();
        throw;
    }
}

} // namespace tindrel
