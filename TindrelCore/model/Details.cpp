#include "TindrelCore/model/Details.h"

#include "TindrelCore/text/StableSort.h"

#include <algorithm>
#include <stdexcept>

namespace tindrel {

Details::Details(std::initializer_list<value_type> facts) {
    facts_.reserve(facts.size());
    for (const value_type& fact : facts)
        add(fact.first, fact.second);
}

// One sort in place, where adding each fact in turn could move the ones after it every time.
Details Details::fromAssignments(std::vector<value_type> facts) {
    sortKeepingLast(facts, [](const value_type& fact) -> const std::string& { return fact.first; });
    Details details;
    details.facts_ = std::move(facts);
    return details;
}

namespace {

// Facts mostly arrive in key order: the end is looked at first.
template <typename Facts> auto lowerBound(Facts& facts, std::string_view key) {
    if (facts.empty() || facts.back().first.compare(key) < 0) return facts.end();
    return std::lower_bound(
        facts.begin(), facts.end(), key,
        [](const Details::value_type& fact, std::string_view name) { return fact.first.compare(name) < 0; });
}

template <typename Facts> auto factNamed(Facts& facts, std::string_view key) {
    auto at = lowerBound(facts, key);
    return at != facts.end() && at->first == key ? at : facts.end();
}

} // namespace

Details::iterator Details::find(std::string_view key) {
    return factNamed(facts_, key);
}

Details::const_iterator Details::find(std::string_view key) const {
    return factNamed(facts_, key);
}

const std::string& Details::at(std::string_view key) const {
    const_iterator found = find(key);
    if (found == end()) throw std::out_of_range("no such detail");
    return found->second;
}

std::string& Details::operator[](std::string_view key) {
    iterator at = lowerBound(facts_, key);
    if (at != facts_.end() && at->first == key) return at->second;
    return facts_.emplace(at, std::string(key), std::string())->second;
}

std::pair<Details::iterator, bool> Details::add(std::string key, std::string value) {
    iterator at = lowerBound(facts_, key);
    if (at != facts_.end() && at->first == key) return {at, false};
    return {facts_.emplace(at, std::move(key), std::move(value)), true};
}

std::pair<Details::iterator, bool> Details::insert_or_assign(std::string key, std::string value) {
    auto [at, added] = add(std::move(key), value);
    if (!added) at->second = std::move(value);
    return {at, added};
}

std::size_t Details::erase(std::string_view key) {
    iterator found = find(key);
    if (found == facts_.end()) return 0;
    facts_.erase(found);
    return 1;
}

} // namespace tindrel
