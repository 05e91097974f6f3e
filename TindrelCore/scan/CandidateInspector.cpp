#include "TindrelCore/scan/CandidateInspector.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace tindrel {
namespace {

constexpr std::size_t textsPerThread = 32;
constexpr unsigned maximumThreads = 8;

unsigned threadCount(std::size_t work) {
    unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), maximumThreads));
    return static_cast<unsigned>(
        std::min<std::size_t>(cores, std::max<std::size_t>(1, work / textsPerThread)));
}

// What a chain holds, near enough to keep a budget by.
std::size_t approximateSize(const DecodeChain& chain) {
    std::size_t size = sizeof(DecodeChain) + chain.input.size();
    for (const DecodeResult& step : chain.steps) {
        size += sizeof(DecodeResult) + step.output.size() + step.summary.size();
        for (const auto& [key, value] : step.details)
            size += 64 + key.size() + value.size();
    }
    return size;
}

} // namespace

std::optional<DecodeChain> CandidateInspector::decode(std::string_view text) const {
    try {
        return engine_.recognise(text);
    } catch (...) {
        return std::nullopt; // as if nothing recognised it
    }
}

bool CandidateInspector::verdict(std::string_view text, std::size_t& firstAsked) const {
    try {
        return engine_.recognises(text, firstAsked);
    } catch (...) {
        return false;
    }
}

// A chain past the budget was recognised once; decoded again, it is the same chain.
DecodeChain CandidateInspector::decodeAgain(std::string_view text) const {
    return decode(text).value_or(DecodeChain{std::string(text), {}});
}

std::shared_ptr<const DecodeChain> CandidateInspector::chain(std::size_t index) {
    Recognised& recognised = recognised_[index];
    std::shared_ptr<const DecodeChain> found;
    if (recognised.chain != notKept) found = kept_[recognised.chain].chain;
    if (!found) found = std::make_shared<const DecodeChain>(decodeAgain(recognised.text));
    if (recognised.expected == 0) return found;
    if (--recognised.expected == 0)
        letGo(recognised);
    else
        hold(recognised, found);
    return found;
}

// A chain decoded late is held for the findings still to ask for it, within the budget.
void CandidateInspector::hold(Recognised& recognised, const std::shared_ptr<const DecodeChain>& chain) {
    if (recognised.chain != notKept) return;
    const std::size_t size = approximateSize(*chain);
    if (size > budget_) return;
    budget_ -= size;
    recognised.chain = kept_.size();
    kept_.push_back({chain, size});
}

void CandidateInspector::letGo(Recognised& recognised) {
    if (recognised.chain == notKept) return;
    Kept& held = kept_[recognised.chain];
    if (held.chain) budget_ = std::min(limit_, budget_ + held.size);
    held.chain.reset();
}

// Chains are decoded whole while the budget lasts (and until one is held, whatever its size);
// past it, when only verdicts are wanted, or when the detector that answered last tells at once
// that it answers, a text is only told recognised or not, which stops at the first detector that
// answers, and its chain is decoded when it is asked for.
std::vector<CandidateInspector::Decoded>
CandidateInspector::decodeAll(const std::vector<std::string_view>& texts) const {
    std::vector<Decoded> decoded(texts.size());
    std::atomic<std::size_t> budgetLeft{budget_};
    std::atomic<bool> holdsAChain{!recognised_.empty()};
    auto decodeOne = [&](std::string_view text, Decoded& into, std::size_t& firstAsked) {
        if (answers_ == Answers::verdicts || (budgetLeft.load() == 0 && holdsAChain.load())) {
            into.recognised = verdict(text, firstAsked);
            return;
        }
        if (engine_.answersAtOnce(text, firstAsked)) {
            into.recognised = true;
            return;
        }
        std::optional<DecodeChain> chain = decode(text);
        into.recognised = chain.has_value();
        if (!chain) return;
        firstAsked = engine_.placeOf(chain->steps.front().kind);
        into.chain = std::make_shared<const DecodeChain>(std::move(*chain));
        holdsAChain = true;
        into.size = approximateSize(*into.chain);
        std::size_t left = budgetLeft.load();
        while (!budgetLeft.compare_exchange_weak(left, left - std::min(left, into.size))) {
        }
    };
    std::atomic<std::size_t> nextIndex{0};
    auto work = [&] {
        std::size_t firstAsked = 0; // the detector that answered this thread's last verdict
        for (std::size_t i = nextIndex++; i < texts.size(); i = nextIndex++)
            decodeOne(texts[i], decoded[i], firstAsked);
    };
    std::vector<std::thread> helpers;
    try {
        unsigned threads = threads_ == Threads::perCore ? threadCount(texts.size()) : 1;
        for (unsigned i = 1; i < threads; ++i)
            helpers.emplace_back(work);
    } catch (...) {
        // Fewer helpers than planned: the calling thread takes up the rest.
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
    return decoded;
}

std::vector<std::optional<std::size_t>>
CandidateInspector::inspect(const std::vector<std::string_view>& texts) {
    std::vector<std::size_t> numbers;
    numbers.reserve(texts.size());
    std::vector<std::string_view> fresh;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // Candidates come in runs of one text (a token repeated line after line), which a
        // comparison with the one before finds cheaper than a lookup.
        if (i > 0 && texts[i] == texts[i - 1]) {
            numbers.push_back(numbers.back());
            continue;
        }
        auto [number, inserted] = known_.insert(texts[i]);
        numbers.push_back(number);
        if (inserted) fresh.push_back(texts[i]);
    }
    const std::size_t firstFresh = verdicts_.size();
    verdicts_.resize(known_.size());

    std::vector<Decoded> decoded = decodeAll(fresh);
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        if (!decoded[i].recognised) continue;
        verdicts_[firstFresh + i] = recognised_.size();
        std::shared_ptr<const DecodeChain>& chain = decoded[i].chain;
        // The first chain is kept whatever its size: a piece that is one huge candidate is then
        // decoded once, holding no more than its decoding held anyway.
        const std::size_t size = decoded[i].size;
        bool keep = chain && (size <= budget_ || recognised_.empty());
        budget_ -= keep ? std::min(size, budget_) : 0;
        recognised_.push_back({fresh[i], keep ? kept_.size() : notKept});
        if (keep) kept_.push_back({std::move(chain), size});
    }

    std::vector<std::optional<std::size_t>> indices;
    indices.reserve(texts.size());
    for (std::size_t number : numbers)
        indices.push_back(verdicts_[number]);
    return indices;
}

} // namespace tindrel
