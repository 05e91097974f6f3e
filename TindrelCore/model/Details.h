#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tindrel {

// Named facts about one step, kept in key order for every reader. A step holds a handful, made
// once and read a few times: one sorted list holds them, where a map took a node and its
// allocation for each. Facts added in key order go on the end; one added out of order moves the
// facts after it, so a detector that gathers facts in another order hands them over at once
// (`fromAssignments`).
class Details {
public:
    using value_type = std::pair<std::string, std::string>;
    using iterator = std::vector<value_type>::iterator;
    using const_iterator = std::vector<value_type>::const_iterator;

    Details() = default;
    // Of equal keys the first stays, as in a map made from the same list.
    Details(std::initializer_list<value_type> facts);
    // The facts as if each were assigned in turn: of equal keys the last stays.
    static Details fromAssignments(std::vector<value_type> facts);
    template <typename Iterator> Details(Iterator first, Iterator last) {
        for (; first != last; ++first)
            emplace(first->first, first->second);
    }

    iterator begin() { return facts_.begin(); }
    iterator end() { return facts_.end(); }
    const_iterator begin() const { return facts_.begin(); }
    const_iterator end() const { return facts_.end(); }
    std::size_t size() const { return facts_.size(); }
    void reserve(std::size_t facts) { facts_.reserve(facts); }
    bool empty() const { return facts_.empty(); }

    iterator find(std::string_view key);
    const_iterator find(std::string_view key) const;
    bool contains(std::string_view key) const { return find(key) != end(); }
    // Throws std::out_of_range when there is no such fact.
    const std::string& at(std::string_view key) const;
    // The value of `key`, added empty when there is none.
    std::string& operator[](std::string_view key);
    // Adds a fact unless one of that name is there.
    template <typename Key, typename Value> std::pair<iterator, bool> emplace(Key&& key, Value&& value) {
        return add(std::string(std::forward<Key>(key)), std::string(std::forward<Value>(value)));
    }
    // Adds a fact, or gives the one of that name the new value.
    std::pair<iterator, bool> insert_or_assign(std::string key, std::string value);
    // Removes the fact of that name, if any; answers how many were removed.
    std::size_t erase(std::string_view key);

    bool operator==(const Details&) const = default;

private:
    std::pair<iterator, bool> add(std::string key, std::string value);

    std::vector<value_type> facts_;
};

} // namespace tindrel
