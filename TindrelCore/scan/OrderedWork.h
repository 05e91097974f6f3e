#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tindrel {

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
    struct Lane {
        std::vector<Item> items; // emitted, not yet handed over
        bool closed = false;
        std::exception_ptr failure; // what the work threw, once closed
        std::size_t worker = 0;     // which worker made the items
    };
    const std::size_t batch = std::max<std::size_t>(1, buffered / 4);
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Lane> lanes(count);
    std::size_t next = 0;
    std::size_t head = 0; // the index being handed over
    bool stopping = false;
    const std::size_t workers =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), count);
    std::vector<std::vector<Item>> spent(workers); // consumed, waiting for their worker to destroy
    std::vector<char> retired(workers, 0);         // workers gone: the consumer destroys their items

    // Moves a worker's batch into its lane once the lane has room; true on the last one.
    // Moves `from` to the back of `to`; an empty `to` takes its storage whole, so vectors go round
    // between the threads instead of each growing one of its own.
    auto append = [](std::vector<Item>& to, std::vector<Item>& from) {
        if (to.empty())
            to.swap(from);
        else
            std::move(from.begin(), from.end(), std::back_inserter(to));
    };
    // Moves a worker's batch into its lane once the lane has room; true on the last one. Destroys
    // the items of the worker's that have been consumed meanwhile.
    auto handOver = [&](std::size_t worker, Lane& lane, std::vector<Item>& pending, bool last,
                        const std::exception_ptr& failure = {}) {
        std::vector<Item> consumed;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return stopping || lane.items.size() < buffered; });
            append(lane.items, pending);
            lane.closed = last;
            lane.failure = failure;
            consumed.swap(spent[worker]);
        }
        pending.clear();
        changed.notify_all();
        consumed.clear();
        if (pending.capacity() < consumed.capacity()) pending.swap(consumed);
    };
    auto work = [&](std::size_t worker) {
        std::vector<Item> pending;
        for (;;) {
            std::size_t index;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stopping || next >= count || next < head + 2 * workers; });
                if (stopping || next >= count) {
                    retired[worker] = 1;
                    pending.swap(spent[worker]);
                    return;
                }
                index = next++;
                lanes[index].worker = worker;
            }
            Lane& lane = lanes[index];
            auto emit = [&](Item&& item) {
                pending.push_back(std::move(item));
                if (pending.size() >= batch) handOver(worker, lane, pending, false);
            };
            std::exception_ptr failure;
            try {
                produce(index, emit);
            } catch (...) {
                failure = std::current_exception();
            }
            handOver(worker, lane, pending, true, failure);
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
        while (head < count) {
            std::exception_ptr failure;
            std::size_t worker;
            {
                std::unique_lock lock(mutex);
                Lane& lane = lanes[head];
                changed.wait(lock, [&] { return !lane.items.empty() || lane.closed; });
                taken.swap(lane.items);
                worker = lane.worker;
                if (lane.closed) ++head; // work may start further ahead
                failure = lane.failure;
            }
            changed.notify_all();
            for (Item& item : taken)
                consume(std::move(item));
            {
                std::lock_guard lock(mutex);
                if (!retired[worker]) append(spent[worker], taken);
            }
            taken.clear();
            if (failure) std::rethrow_exception(failure);
        }
    } catch (...) {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        changed.notify_all();
        pool.clear();
        throw;
    }
}

} // namespace tindrel
