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

// A chain past the budget was recognised once; decoded again, it is the same chain.
DecodeChain CandidateInspector::decodeAgain(std::string_view text) const {
    return decode(text).value_or(DecodeChain{std::string(text), {}});
}

DecodeChain CandidateInspector::chain(std::size_t index) const {
    const Recognised& recognised = recognised_[index];
    return recognised.chain ? *recognised.chain : decodeAgain(recognised.text);
}

DecodeChain CandidateInspector::release(std::size_t index) {
    Recognised& recognised = recognised_[index];
    return recognised.chain ? std::move(*recognised.chain) : decodeAgain(recognised.text);
}

std::vector<std::optional<DecodeChain>>
CandidateInspector::decodeAll(const std::vector<std::string_view>& texts) const {
    std::vector<std::optional<DecodeChain>> chains(texts.size());
    std::atomic<std::size_t> nextIndex{0};
    auto work = [&] {
        for (std::size_t i = nextIndex++; i < texts.size(); i = nextIndex++)
            chains[i] = decode(texts[i]);
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
    return chains;
}

std::vector<std::optional<std::size_t>>
CandidateInspector::inspect(const std::vector<std::string_view>& texts) {
    std::vector<std::size_t> numbers;
    numbers.reserve(texts.size());
    std::vector<std::string_view> fresh;
    for (std::string_view text : texts) {
        auto [number, inserted] = known_.insert(text);
        numbers.push_back(number);
        if (inserted) fresh.push_back(text);
    }
    const std::size_t firstFresh = verdicts_.size();
    verdicts_.resize(known_.size());

    std::vector<std::optional<DecodeChain>> decoded = decodeAll(fresh);
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        if (!decoded[i]) continue;
        verdicts_[firstFresh + i] = recognised_.size();
        // The first chain is kept whatever its size: a piece that is one huge candidate is then
        // decoded once, holding no more than its decoding held anyway.
        std::size_t size = approximateSize(*decoded[i]);
        bool keep = size <= budget_ || recognised_.empty();
        budget_ -= keep ? std::min(size, budget_) : 0;
        recognised_.push_back(
            {fresh[i], keep ? std::make_unique<DecodeChain>(std::move(*decoded[i])) : nullptr});
    }

    std::vector<std::optional<std::size_t>> indices;
    indices.reserve(texts.size());
    for (std::size_t number : numbers)
        indices.push_back(verdicts_[number]);
    return indices;
}

} // namespace tindrel
