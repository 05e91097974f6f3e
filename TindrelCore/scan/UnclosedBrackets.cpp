#include "TindrelCore/scan/UnclosedBrackets.h"

#include "TindrelCore/scan/BracketEvents.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace tindrel {
namespace {

// A group's walks are a bracket position, or a join of two groups that reached the same depth.
constexpr std::uint64_t joinFlag = std::uint64_t{1} << 63;

// Walks of one depth, or a run: `count` walks from brackets that follow one another with nothing
// but backslashes between them, one walk per depth, the last bracket the shallowest. Runs keep a
// flood of brackets down to one group; their other positions are found again in the text.
struct Group {
    std::int64_t key;    // depth minus the class offset, of the shallowest walk
    std::uint64_t walks; // the last bracket of a run, or a join
    std::uint64_t count;
};

struct Walk {
    std::int64_t depth;
    std::uint64_t walks;
};

struct WalkClass {
    std::vector<Group> groups; // deepest first, depths distinct
    std::int64_t offset = 0;

    std::int64_t depth(const Group& group) const { return group.key + offset; }
    std::int64_t deepest() const {
        return depth(groups.front()) + static_cast<std::int64_t>(groups.front().count) - 1;
    }
};

class Walks {
public:
    explicit Walks(const ScanText& text)
        : text_(text) {}

    void open(std::size_t pos) {
        ++outside_.offset;
        std::int64_t key = 1 - outside_.offset;
        if (!outside_.groups.empty() && outside_.groups.back().walks == lastEvent_) {
            Group& run = outside_.groups.back();
            run.key = key;
            run.walks = pos;
            ++run.count;
        } else {
            outside_.groups.push_back({key, pos, 1});
        }
        lastEvent_ = pos;
        endEscape();
    }

    void close(std::size_t pos) {
        --outside_.offset;
        lastEvent_ = pos;
        endEscape();
        if (outside_.groups.empty() || outside_.depth(outside_.groups.back()) != 0) return;
        Group& top = outside_.groups.back();
        if (--top.count == 0) {
            outside_.groups.pop_back();
            return;
        }
        ++top.key;
        top.walks = previousOpener(top.walks);
    }

    void quote(std::size_t pos) {
        lastEvent_ = pos;
        std::swap(outside_, inside_);
        merge(inside_, escaped_);
    }

    void backslash() { std::swap(inside_, escaped_); }

    // Any character read after a backslash ends the escape.
    void endEscape() { merge(inside_, escaped_); }

    void markPending(std::vector<bool>& marks) const {
        std::vector<std::uint64_t> joined;
        auto mark = [&](std::uint64_t walks) {
            walks& joinFlag ? joined.push_back(walks) : void(marks[walks] = true);
        };
        for (const WalkClass* walkClass : {&outside_, &inside_, &escaped_})
            for (const Group& group : walkClass->groups) {
                std::uint64_t pos = group.walks;
                for (std::uint64_t i = 0; i < group.count; ++i) {
                    mark(pos);
                    if (i + 1 < group.count) pos = previousOpener(pos);
                }
            }
        while (!joined.empty()) {
            auto [left, right] = joins_[joined.back() & ~joinFlag];
            joined.pop_back();
            mark(left);
            mark(right);
        }
    }

private:
    std::uint64_t previousOpener(std::uint64_t pos) const {
        do
            --pos;
        while (!BracketEvents::isOpener(text_.byte(pos)) || !(text_.isASCII() || text_.isStandalone(pos)));
        return pos;
    }

    // Takes the walks no deeper than `reach` off the top of a class, shallowest first, splitting a
    // run where the reach ends inside it.
    void takeShallow(WalkClass& walkClass, std::int64_t reach, std::vector<Walk>& out) const {
        while (!walkClass.groups.empty()) {
            Group& group = walkClass.groups.back();
            std::int64_t top = walkClass.depth(group);
            if (top > reach) return;
            std::uint64_t take = std::min(group.count, static_cast<std::uint64_t>(reach - top) + 1);
            std::uint64_t pos = group.walks;
            for (std::uint64_t i = 0; i < take; ++i) {
                out.push_back({top + static_cast<std::int64_t>(i), pos});
                if (i + 1 < group.count) pos = previousOpener(pos);
            }
            if (take == group.count) {
                walkClass.groups.pop_back();
                continue;
            }
            group.count -= take;
            group.key += static_cast<std::int64_t>(take);
            group.walks = pos;
            return;
        }
    }

    // Moves every walk of `from` into `into`. Only walks no deeper than the shallower class's
    // deepest walk are touched, which keeps the total work linear.
    void merge(WalkClass& into, WalkClass& from) {
        if (from.groups.empty()) return;
        if (into.groups.empty()) {
            std::swap(into, from);
            return;
        }
        bool intoHosts = into.deepest() >= from.deepest();
        WalkClass& host = intoHosts ? into : from;
        WalkClass& guest = intoHosts ? from : into;
        hostWalks_.clear();
        guestWalks_.clear();
        takeShallow(host, guest.deepest(), hostWalks_);
        takeShallow(guest, std::numeric_limits<std::int64_t>::max(), guestWalks_);
        interleave(host);
        guest.offset = 0;
        if (!intoHosts) std::swap(into, from);
    }

    // Pushes hostWalks_ and guestWalks_ (both shallowest first) back onto the host, deepest first.
    void interleave(WalkClass& host) {
        auto hostWalk = hostWalks_.rbegin(), guestWalk = guestWalks_.rbegin();
        auto push = [&](std::int64_t depth, std::uint64_t walks) {
            host.groups.push_back({depth - host.offset, walks, 1});
        };
        while (hostWalk != hostWalks_.rend() || guestWalk != guestWalks_.rend()) {
            std::int64_t hostDepth = hostWalk != hostWalks_.rend() ? hostWalk->depth : 0;
            std::int64_t guestDepth = guestWalk != guestWalks_.rend() ? guestWalk->depth : 0;
            if (hostDepth > guestDepth) {
                push(hostDepth, (hostWalk++)->walks);
            } else if (guestDepth > hostDepth) {
                push(guestDepth, (guestWalk++)->walks);
            } else {
                joins_.emplace_back((hostWalk++)->walks, (guestWalk++)->walks);
                push(hostDepth, (joins_.size() - 1) | joinFlag);
            }
        }
    }

    const ScanText& text_;
    WalkClass outside_, inside_, escaped_;
    // The last event other than a backslash; at first none.
    std::uint64_t lastEvent_ = std::numeric_limits<std::uint64_t>::max();
    std::vector<std::pair<std::uint64_t, std::uint64_t>> joins_;
    std::vector<Walk> hostWalks_, guestWalks_;
};

} // namespace

UnclosedBrackets::UnclosedBrackets(const ScanText& text, std::size_t from) {
    Walks walks(text);
    std::size_t previous = text.size();
    for (std::size_t pos = BracketEvents::next(text, from); pos < text.size();
         previous = pos, pos = BracketEvents::next(text, pos + 1)) {
        if (previous < text.size() && pos > previous + 1) walks.endEscape();
        unsigned char byte = text.byte(pos);
        if (BracketEvents::isOpener(byte))
            walks.open(pos);
        else if (BracketEvents::isCloser(byte))
            walks.close(pos);
        else if (byte == '"')
            walks.quote(pos);
        else
            walks.backslash();
    }
    unclosed_.assign(text.size(), false);
    walks.markPending(unclosed_);
}

} // namespace tindrel
