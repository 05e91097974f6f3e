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

} // namespace

std::vector<DecodeChain> CandidateInspector::decodeAll(const std::vector<std::string_view>& texts) const {
    std::vector<DecodeChain> chains(texts.size());
    std::atomic<std::size_t> nextIndex{0};
    auto work = [&] {
        for (std::size_t i = nextIndex++; i < texts.size(); i = nextIndex++) {
            try {
                chains[i] = engine_.inspect(texts[i]);
            } catch (...) {
                chains[i] = DecodeChain{std::string(texts[i]), {}}; // as if nothing recognised it
            }
        }
    };
    std::vector<std::thread> helpers;
    try {
        for (unsigned i = 1; i < threadCount(texts.size()); ++i)
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
    std::vector<std::optional<std::size_t>*> answers; // map values stay put while the map grows
    answers.reserve(texts.size());
    std::vector<std::string_view> fresh;
    std::vector<std::optional<std::size_t>*> freshAnswers;
    for (std::string_view text : texts) {
        auto [entry, inserted] = known_.try_emplace(text, std::nullopt);
        answers.push_back(&entry->second);
        if (!inserted) continue;
        fresh.push_back(text);
        freshAnswers.push_back(&entry->second);
    }

    std::vector<DecodeChain> decoded = decodeAll(fresh);
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        if (!decoded[i].isRecognized()) continue;
        *freshAnswers[i] = chains_.size();
        chains_.push_back(std::move(decoded[i]));
    }

    std::vector<std::optional<std::size_t>> indices;
    indices.reserve(texts.size());
    for (const std::optional<std::size_t>* answer : answers)
        indices.push_back(*answer);
    return indices;
}

} // namespace tindrel
