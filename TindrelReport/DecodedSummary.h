#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelReport/MediumDate.h"
#include "TindrelReport/SemanticStatus.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

// The short, curated view of a chain: what it is, whether it is still valid, how it was decoded, a few
// labelled facts from the first step and the final payload.
struct DecodedSummary {
    struct Fact {
        std::string id; // fresh for every fact built, so two summaries of one chain never share ids
        std::string label;
        std::string value;
        bool mono = false; // identifiers read better monospaced
    };

    static constexpr std::size_t maxFacts = 5;

    std::string kindLabel; // display name of the first step's kind, "Unknown" without steps
    std::optional<SemanticStatus> status;
    std::vector<std::string> path;
    std::vector<Fact> facts;
    std::string payload;
    bool payloadIsStructured = false; // starts with "{" or "[" once trimmed

    // The formatter renders the "Expires", "Issued" and "Not valid before" dates; an empty one keeps the
    // stored date texts.
    DecodedSummary(const DecodeChain& chain, const MediumDateFormatter& mediumDate);

    // The first facts worth showing: the token claims in a fixed order, then the remaining keys in
    // ascending order, leaving out notes, explanations and the keys folded into other facts.
    static std::vector<Fact> curate(const Details& details, const MediumDateFormatter& mediumDate);
    static Fact makeFact(const std::string& key, const Details& details,
                         const MediumDateFormatter& mediumDate);
    // The table label of a key, or the key with "_" as spaces and each word capitalised.
    static std::string label(std::string_view key);
};

} // namespace tindrel
