#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tindrel::cli {

// Runs produce(0) … produce(count - 1) on a pool of threads, one per core, and hands each result to
// `consume` on the calling thread in index order, as soon as it and all before it are done. At most
// `ahead` results wait for `consume` at any time, so a slow reader of the output holds the workers
// back instead of letting finished work pile up in memory.
template <typename Result, typename Produce, typename Consume>
void runInOrder(std::size_t count, Produce produce, Consume consume, std::size_t ahead = 32) {
    std::mutex mutex;
    std::condition_variable done;
    std::condition_variable room;
    std::vector<std::optional<Result>> slots(count);
    std::size_t next = 0;
    std::size_t taken = 0;
    auto work = [&] {
        for (;;) {
            std::size_t index;
            {
                std::unique_lock lock(mutex);
                room.wait(lock, [&] { return next >= count || next < taken + ahead; });
                if (next >= count) return;
                index = next++;
            }
            Result result = produce(index);
            {
                std::lock_guard lock(mutex);
                slots[index] = std::move(result);
            }
            done.notify_all();
        }
    };
    std::size_t workers = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), count);
    std::vector<std::jthread> pool;
    for (std::size_t i = 0; i < workers; ++i)
        pool.emplace_back(work);
    for (std::size_t i = 0; i < count; ++i) {
        std::optional<Result> result;
        {
            std::unique_lock lock(mutex);
            done.wait(lock, [&] { return slots[i].has_value(); });
            result.swap(slots[i]);
            taken = i + 1;
        }
        room.notify_all();
        consume(std::move(*result));
    }
}

} // namespace tindrel::cli
