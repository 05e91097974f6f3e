#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tindrel {

// Text written at the end of a buffer that doubles when full: an append is a copy and a bump, with
// none of the checks std::string makes on every call. Writers that append a few bytes at a time,
// millions of times, build their text here and take it as a string once.
class TextBuffer {
public:
    ~TextBuffer() { keepAsSpare(); }
    TextBuffer& operator+=(std::string_view text) {
        makeRoom(text.size());
        if (!text.empty()) std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
        return *this;
    }
    TextBuffer& operator+=(char c) {
        makeRoom(1);
        *end_++ = c;
        return *this;
    }
    void append(std::size_t count, char c) {
        makeRoom(count);
        std::memset(end_, c, count);
        end_ += count;
    }
    void reserve(std::size_t count) { makeRoom(count); }
    // Appends `count` (at most sixteen) bytes from `from`, where sixteen may be read: one fixed-size
    // copy however few are kept, instead of a call that works out the size.
    void appendFromBlock(const char* from, std::size_t count) { appendFixed<16>(from, count); }
    // The same with the first `count` bytes of a block of any fixed size.
    template <std::size_t Size> void appendFromBlock(const std::array<char, Size>& block, std::size_t count) {
        appendFixed<Size>(block.data(), count);
    }

    // Room for `count` bytes at the end, counted as written: the caller writes them, or gives them
    // back with `dropLast`.
    char* extend(std::size_t count) {
        makeRoom(count);
        char* at = end_;
        end_ += count;
        return at;
    }
    void dropLast(std::size_t count) { end_ -= count; }

    // Appends a copy of bytes already written, from `begin` to `end`.
    void appendCopyOf(std::size_t begin, std::size_t end) {
        makeRoom(end - begin); // first: growing moves the bytes to copy
        std::memcpy(end_, data_.get() + begin, end - begin);
        end_ += end - begin;
    }

    std::size_t size() const { return static_cast<std::size_t>(end_ - data_.get()); }
    std::string take() && { return std::string(data_.get(), end_); }

private:
    template <std::size_t Size> void appendFixed(const char* from, std::size_t count) {
        makeRoom(Size);
        std::memcpy(end_, from, Size);
        end_ += count;
    }
    void makeRoom(std::size_t count) {
        if (static_cast<std::size_t>(capacityEnd_ - end_) < count) grow(count);
    }
    void grow(std::size_t count) {
        const auto size = static_cast<std::size_t>(end_ - data_.get());
        const auto capacity = static_cast<std::size_t>(capacityEnd_ - data_.get());
        // A kilobyte first: most texts built here are records of a few hundred bytes.
        const std::size_t wanted = std::max({2 * capacity, size + count, std::size_t{1024}});
        if (!data_ && spare().data && spare().capacity >= wanted) {
            data_ = std::move(spare().data);
            end_ = data_.get();
            capacityEnd_ = data_.get() + std::exchange(spare().capacity, 0);
            return;
        }
        std::unique_ptr<char[]> data(new char[wanted]);
        if (size > 0) std::memcpy(data.get(), data_.get(), size);
        data_ = std::move(data);
        end_ = data_.get() + size;
        capacityEnd_ = data_.get() + wanted;
    }

    // A thread writes record after record, each in a buffer of its own: the last one's storage, if
    // small, waits here for the next instead of going back to the heap and coming out again.
    struct Spare {
        std::unique_ptr<char[]> data;
        std::size_t capacity = 0;
    };
    static Spare& spare() {
        thread_local Spare kept;
        return kept;
    }
    void keepAsSpare() {
        constexpr std::size_t largestKept = std::size_t{64} << 10;
        const auto capacity = static_cast<std::size_t>(capacityEnd_ - data_.get());
        if (!data_ || capacity > largestKept || spare().capacity >= capacity) return;
        spare() = {std::move(data_), capacity};
    }

    std::unique_ptr<char[]> data_;
    char* end_ = nullptr;
    char* capacityEnd_ = nullptr;
};

} // namespace tindrel
