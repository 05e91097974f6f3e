#include "TindrelCore/UnclosedBrackets.h"

#include "TindrelCore/BracketEvents.h"

#include <cstdint>
#include <utility>

namespace tindrel {
namespace {

// A group's walks are a bracket position, or a join of two groups that reached the same depth.
constexpr std::uint64_t joinFlag = std::uint64_t{1} << 63;

struct Group {
    std::int64_t key; // depth minus the class offset
    std::uint64_t walks;
};

struct WalkClass {
    std::vector<Group> groups; // deepest first, depths distinct
    std::int64_t offset = 0;

    std::int64_t depth(const Group& group) const { return group.key + offset; }
    std::int64_t deepest() const { return depth(groups.front()); }
};

class Walks {
public:
    void open(std::size_t pos) {
        ++outside_.offset;
        outside_.groups.push_back({1 - outside_.offset, pos});
        endEscape();
    }

    void close() {
        --outside_.offset;
        if (!outside_.groups.empty() && outside_.depth(outside_.groups.back()) == 0)
            outside_.groups.pop_back();
        endEscape();
    }

    void quote() {
        std::swap(outside_, inside_);
        merge(inside_, escaped_);
    }

    void backslash() { std::swap(inside_, escaped_); }

    // Any character read after a backslash ends the escape.
    void endEscape() { merge(inside_, escaped_); }

    void markPending(std::vector<bool>& marks) const {
        std::vector<std::uint64_t> stack;
        for (const WalkClass* walkClass : {&outside_, &inside_, &escaped_})
            for (const Group& group : walkClass->groups)
                stack.push_back(group.walks);
        while (!stack.empty()) {
            std::uint64_t walks = stack.back();
            stack.pop_back();
            if (walks & joinFlag) {
                const auto& [left, right] = joins_[walks & ~joinFlag];
                stack.push_back(left);
                stack.push_back(right);
            } else {
                marks[walks] = true;
            }
        }
    }

private:
    // Moves every walk of `from` into `into`. Only the groups no deeper than the shallower class's
    // deepest group are touched, which keeps the total work linear.
    void merge(WalkClass& into, WalkClass& from) {
        if (from.groups.empty()) return;
        if (into.groups.empty()) {
            std::swap(into, from);
            return;
        }
        bool intoHosts = into.deepest() >= from.deepest();
        WalkClass& host = intoHosts ? into : from;
        WalkClass& guest = intoHosts ? from : into;
        std::size_t cut = host.groups.size();
        while (cut > 0 && host.depth(host.groups[cut - 1]) <= guest.deepest())
            --cut;
        interleave(host, cut, guest);
        host.groups.resize(cut);
        for (const Group& group : merged_)
            host.groups.push_back({group.key - host.offset, group.walks});
        guest.groups.clear();
        guest.offset = 0;
        if (!intoHosts) std::swap(into, from);
    }

    // Fills merged_ with host.groups[cut…] and all of guest's groups, deepest first, keyed by depth.
    void interleave(const WalkClass& host, std::size_t cut, const WalkClass& guest) {
        merged_.clear();
        std::size_t i = cut, j = 0;
        while (i < host.groups.size() || j < guest.groups.size()) {
            std::int64_t hostDepth = i < host.groups.size() ? host.depth(host.groups[i]) : 0;
            std::int64_t guestDepth = j < guest.groups.size() ? guest.depth(guest.groups[j]) : 0;
            if (hostDepth > guestDepth) {
                merged_.push_back({hostDepth, host.groups[i++].walks});
            } else if (guestDepth > hostDepth) {
                merged_.push_back({guestDepth, guest.groups[j++].walks});
            } else {
                joins_.emplace_back(host.groups[i++].walks, guest.groups[j++].walks);
                merged_.push_back({hostDepth, (joins_.size() - 1) | joinFlag});
            }
        }
    }

    WalkClass outside_, inside_, escaped_;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> joins_;
    std::vector<Group> merged_;
};

} // namespace

UnclosedBrackets::UnclosedBrackets(const ScanText& text, std::size_t from) {
    Walks walks;
    std::size_t previous = text.size();
    for (std::size_t pos = BracketEvents::next(text, from); pos < text.size();
         previous = pos, pos = BracketEvents::next(text, pos + 1)) {
        if (previous < text.size() && pos > previous + 1) walks.endEscape();
        unsigned char byte = text.byte(pos);
        if (BracketEvents::isOpener(byte))
            walks.open(pos);
        else if (BracketEvents::isCloser(byte))
            walks.close();
        else if (byte == '"')
            walks.quote();
        else
            walks.backslash();
    }
    unclosed_.assign(text.size(), false);
    walks.markPending(unclosed_);
}

} // namespace tindrel
