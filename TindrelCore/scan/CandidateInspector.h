#pragma once

#include "TindrelCore/engine/ChainEngine.h"

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tindrel {

// Decodes candidate texts with one engine, each distinct text once per inspector. Large batches
// are spread over several threads; every chain depends on its text alone, so the answers are the
// same as one thread would give. The texts must outlive the inspector.
class CandidateInspector {
public:
    explicit CandidateInspector(const ChainEngine& engine)
        : engine_(engine) {}

    // For each text, the index of its chain, or nothing when the engine recognised nothing.
    std::vector<std::optional<std::size_t>> inspect(const std::vector<std::string_view>& texts);

    std::size_t chainCount() const { return chains_.size(); }
    const DecodeChain& chain(std::size_t index) const { return chains_[index]; }
    // Moves a chain out; its index must not be used again.
    DecodeChain release(std::size_t index) { return std::move(chains_[index]); }

private:
    std::vector<DecodeChain> decodeAll(const std::vector<std::string_view>& texts) const;

    const ChainEngine& engine_;
    std::unordered_map<std::string_view, std::optional<std::size_t>> known_;
    std::vector<DecodeChain> chains_;
};

} // namespace tindrel
