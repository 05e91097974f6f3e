#pragma once

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/model/DecodeModel.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

// One artifact found inside a scanned text.
struct ScanFinding {
    std::size_t line; // 1-based line on which the span begins
    // The engine's chain for the span, whose input is the span; never null, never empty. Findings of
    // one text may share it: a log that repeats a token a million times holds its chain once.
    std::shared_ptr<const DecodeChain> chain;
    std::size_t offset = 0; // byte position of the span in the scanned text (not exported)

    // The exact span that was decoded, untrimmed: the chain's input, not a copy of its own, as a
    // log that gives each line a token of its own would make one for every finding.
    const std::string& matchedText() const { return chain->input; }

    // The kind of the chain's first step.
    std::optional<DetectionKind> kind() const;

    // Equal chains, shared or not.
    bool operator==(const ScanFinding& other) const;
};

// Receives findings one at a time.
using FindingSink = std::function<void(ScanFinding&&)>;

// Appends a finding's rendering to the text it is given. One renderer renders a run of findings in
// text order on one thread, so it may reuse what it made for the finding before.
using FindingRenderer = std::function<void(const ScanFinding&, std::string&)>;

// Findings that only matter as text: each is rendered on the thread that found it, several threads
// at once, and the text, not the finding, waits for its turn. A log dense with distinct findings
// then keeps every core decoding, where a finding that waits holds its whole chain.
struct RenderedFindings {
    // A renderer for the next run of findings, made on the thread that will call it.
    std::function<FindingRenderer()> renderer;
    // The renderings of consecutive findings and how many they are, in text order, on the thread
    // that scans.
    std::function<void(std::string_view, std::size_t)> take;
};

// Findings that only matter as a number, as to a document headed by their count: each piece's are
// counted from the verdicts alone, no chain decoded, several pieces at once. `take` gets the counts
// in text order, on the thread that scans.
struct CountedFindings {
    std::function<void(std::size_t)> take;
};

// Finds every embedded artifact in a text (typically a log): candidate spans proposed by a fixed
// list of patterns in priority order, kept when the engine recognises them and they overlap no span
// kept before, returned in text order. Time grows linearly with the text.
struct Scanner {
    ChainEngine engine;

    // About this much text is scanned at a time; the findings of one piece are held together.
    static constexpr std::size_t pieceBytes = std::size_t{4} << 20;

    std::vector<ScanFinding> scan(std::string_view text) const;
    // The same findings, handed to `each` in text order as soon as the piece of text that holds
    // them is done, so that the findings of a huge log need not all be held at once.
    void scan(std::string_view text, const FindingSink& each, std::size_t piece = pieceBytes) const;
};

} // namespace tindrel
