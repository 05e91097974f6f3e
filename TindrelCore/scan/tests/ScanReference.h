#pragma once

// Deliberately plain versions of the scanner's loops, for comparison on generated texts: the
// bracket walk retried from every opening bracket, and the selection that walks all accepted spans
// for each candidate. Quadratic, and meant only for short texts.

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/ScanText.h"
#include "TindrelCore/scan/Scanner.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace tindrel::reference {

// `boundaries` are the positions between user-perceived characters, from 0 to the text's size.
inline std::optional<std::size_t> balancedEnd(std::string_view text,
                                              const std::vector<std::size_t>& boundaries, std::size_t first) {
    int depth = 0;
    bool inString = false, escaped = false;
    for (std::size_t i = first; i + 1 < boundaries.size(); ++i) {
        std::string_view c = text.substr(boundaries[i], boundaries[i + 1] - boundaries[i]);
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == "\\")
                escaped = true;
            else if (c == "\"")
                inString = false;
        } else if (c == "\"") {
            inString = true;
        } else if (c == "{" || c == "[") {
            ++depth;
        } else if (c == "}" || c == "]") {
            if (--depth == 0) return i;
            if (depth < 0) return std::nullopt;
        }
    }
    return std::nullopt;
}

inline std::vector<TextSpan> jsonSpans(std::string_view text, const std::vector<std::size_t>& boundaries) {
    std::vector<TextSpan> spans;
    std::size_t i = 0;
    while (i + 1 < boundaries.size()) {
        std::string_view c = text.substr(boundaries[i], boundaries[i + 1] - boundaries[i]);
        if (c == "{" || c == "[") {
            if (std::optional<std::size_t> end = balancedEnd(text, boundaries, i)) {
                spans.push_back({boundaries[i], boundaries[*end + 1]});
                i = *end + 1;
                continue;
            }
        }
        ++i;
    }
    return spans;
}

inline bool overlaps(const TextSpan& a, const TextSpan& b) {
    return a.begin < a.end && b.begin < b.end && a.begin < b.end && b.begin < a.end;
}

// The candidate lists concatenated in priority order.
inline std::vector<ScanFinding> select(std::string_view text, const std::vector<std::vector<TextSpan>>& lists,
                                       const ChainEngine& engine) {
    std::vector<TextSpan> accepted;
    std::vector<std::pair<TextSpan, DecodeChain>> found;
    for (const auto& list : lists)
        for (const TextSpan& candidate : list) {
            bool blocked = false;
            for (const TextSpan& span : accepted)
                blocked = blocked || overlaps(span, candidate);
            if (blocked) continue;
            DecodeChain chain = engine.inspect(text.substr(candidate.begin, candidate.end - candidate.begin));
            if (chain.steps.empty()) continue;
            accepted.push_back(candidate);
            found.emplace_back(candidate, std::move(chain));
        }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first.begin < b.first.begin; });
    std::vector<ScanFinding> findings;
    for (auto& [span, chain] : found) {
        std::size_t line = 1;
        for (std::size_t i = 0; i < span.begin; ++i)
            if (text[i] == '\n') ++line;
        findings.push_back({line, std::make_shared<const DecodeChain>(std::move(chain)), span.begin});
    }
    return findings;
}

} // namespace tindrel::reference
