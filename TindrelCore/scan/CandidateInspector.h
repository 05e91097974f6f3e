#pragma once

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/DistinctTexts.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace tindrel {

// Decodes candidate texts with one engine, each distinct text once per inspector. Large batches
// may be spread over a thread per core; every chain depends on its text alone, so the answers are
// the same as one thread would give. The texts must outlive the inspector.
//
// Chains are kept up to a memory budget (the first one always); past it only the verdict is, and a
// chain asked for is decoded again. A piece dense with distinct findings (a line of distinct timestamps) then
// holds a few bytes per finding, not a whole chain each, at the cost of decoding those findings twice.
// A text whose detector tells at once that it answers is only given its verdict at first, whatever
// the budget: decoding it can wait until a finding asks for its chain, and if no other finding
// shares it, the chain is never held. Told which findings will ask, the inspector holds a chain
// decoded late for the ones after the first, and lets go of every chain after its last.
class CandidateInspector {
public:
    // About this many bytes of chains are kept, by each of the inspectors that work side by side.
    static constexpr std::size_t keptChainBytes = std::size_t{4} << 20;

    // Whether large batches are spread over a thread per core, or decoded on the calling thread
    // (which is one of several already busy).
    enum class Threads { perCore, caller };

    // What inspect works out for each text: its chain (kept within the budget), or only whether it
    // is recognised, for a scan that counts its findings and asks for no chain.
    enum class Answers { chains, verdicts };

    explicit CandidateInspector(const ChainEngine& engine, Threads threads = Threads::perCore,
                                std::size_t keptBytes = keptChainBytes, Answers answers = Answers::chains)
        : engine_(engine)
        , threads_(threads)
        , answers_(answers)
        , limit_(keptBytes)
        , budget_(keptBytes) {}

    // For each text, the index of its chain, or nothing when the engine recognised nothing.
    std::vector<std::optional<std::size_t>> inspect(const std::vector<std::string_view>& texts);

    // A finding of the chain at `index` will ask for it.
    void expect(std::size_t index) { ++recognised_[index].expected; }
    // A kept chain is shared by every finding of its text; one not held is decoded again.
    std::shared_ptr<const DecodeChain> chain(std::size_t index);

private:
    struct Recognised {
        std::string_view text;
        std::size_t chain;        // its place among the kept chains, or `notKept`
        std::size_t expected = 0; // findings that will still ask for it
    };
    static constexpr std::size_t notKept = static_cast<std::size_t>(-1);
    struct Kept {
        std::shared_ptr<const DecodeChain> chain; // none once let go
        std::size_t size;                         // what it counts against the budget
    };

    // A text's verdict, and its chain unless only the verdict was worked out: small, as a batch
    // holds one for each of its texts and most are verdicts alone.
    struct Decoded {
        bool recognised = false;
        std::shared_ptr<const DecodeChain> chain;
        std::size_t size = 0; // the chain's, near enough to keep a budget by
    };

    std::optional<DecodeChain> decode(std::string_view text) const;
    bool verdict(std::string_view text, std::size_t& firstAsked) const;
    DecodeChain decodeAgain(std::string_view text) const;
    void hold(Recognised& recognised, const std::shared_ptr<const DecodeChain>& chain);
    void letGo(Recognised& recognised);
    std::vector<Decoded> decodeAll(const std::vector<std::string_view>& texts) const;

    const ChainEngine& engine_;
    Threads threads_;
    Answers answers_;
    std::size_t limit_;
    std::size_t budget_; // bytes of chains the inspector may still hold
    DistinctTexts known_;
    std::vector<std::optional<std::size_t>> verdicts_; // for each known text, the index of its chain
    std::vector<Recognised> recognised_;
    // Each chain in an allocation of its own, shared by the findings of its text. Side by side in
    // one list, a piece's chains would all go with its last finding, on the thread that writes the
    // findings, where that burst of frees held up the output.
    std::vector<Kept> kept_;
};

} // namespace tindrel
