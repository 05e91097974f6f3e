#include "TindrelCore/detectors/QueryStringDetector.h"

#include "TindrelCore/knowledge/OAuthErrors.h"
#include "TindrelCore/text/Percent.h"
#include "TindrelCore/text/StableSort.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <fmt/format.h>
#include <vector>

namespace tindrel {
namespace {

// Keys stay views of the text; only values are decoded, so a text of many pairs costs little more
// than itself.
struct Pair {
    std::string_view key;
    std::string value;
};

bool isKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '[' || c == ']' || c == '-';
}

// A pair's key is the run of key characters before its first "=": any other character before it
// makes no key.
std::optional<std::size_t> keyEnd(std::string_view t, std::size_t start) {
    std::size_t end = start;
    while (end < t.size() && isKeyCharacter(t[end]))
        ++end;
    if (end == start || end == t.size() || t[end] != '=') return std::nullopt;
    return end;
}

// A value up to the next "&" (its end is set), percent-decoded when that gives UTF-8; plain ASCII
// values, the most common, are taken as they stand.
std::string pairValue(std::string_view t, std::size_t start, std::size_t& end) {
    bool plain = true;
    for (end = start; end < t.size() && t[end] != '&'; ++end)
        plain = plain && t[end] != '%' && static_cast<unsigned char>(t[end]) < 0x80;
    std::string_view raw = t.substr(start, end - start);
    if (plain) return std::string(raw);
    std::optional<std::string> decoded = Percent::decode(raw);
    return decoded ? std::move(*decoded) : std::string(raw);
}

// Every "&"-separated piece, empty ones included, must be a key=value pair.
std::optional<std::vector<Pair>> parsePairs(std::string_view t) {
    std::vector<Pair> pairs;
    pairs.reserve(static_cast<std::size_t>(std::count(t.begin(), t.end(), '&')) + 1);
    std::size_t start = 0;
    while (true) {
        std::optional<std::size_t> equals = keyEnd(t, start);
        if (!equals) return std::nullopt;
        std::size_t end = 0;
        std::string value = pairValue(t, *equals + 1, end);
        pairs.push_back({t.substr(start, *equals - start), std::move(value)});
        if (end == t.size()) break;
        start = end + 1;
    }
    if (pairs.size() < 2) return std::nullopt;
    return pairs;
}

// The pairs by key, equal keys in text order. Many pairs often come in order already (one key
// repeated), and are then not sorted at all.
std::vector<const Pair*> byKey(const std::vector<Pair>& pairs) {
    std::vector<const Pair*> sorted;
    sorted.reserve(pairs.size());
    for (const Pair& pair : pairs)
        sorted.push_back(&pair);
    auto before = [](const Pair* a, const Pair* b) { return a->key < b->key; };
    if (!std::is_sorted(sorted.begin(), sorted.end(), before))
        stableSort(sorted.begin(), sorted.end(), before);
    return sorted;
}

std::string sortedLines(const std::vector<Pair>& pairs, const std::vector<const Pair*>& sorted) {
    std::size_t size = 0;
    for (const Pair& pair : pairs)
        size += pair.key.size() + pair.value.size() + 4;
    std::string out;
    out.reserve(size);
    for (const Pair* pair : sorted) {
        if (!out.empty()) out += '\n';
        out.append(pair->key).append(" = ").append(pair->value);
    }
    return out;
}

// Of equal keys the last value stays. The keys go in in order, each at the end; a key "pairs"
// takes the place of the count.
Details pairDetails(const std::vector<const Pair*>& sorted) {
    auto lastOfItsKey = [&](std::size_t i) {
        return i + 1 == sorted.size() || sorted[i + 1]->key != sorted[i]->key;
    };
    std::size_t keys = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i)
        keys += lastOfItsKey(i);
    // Room for the distinct keys only: a query of one key repeated a million times holds one fact.
    Details details;
    details.reserve(keys + 1);
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (lastOfItsKey(i)) details.emplace(std::string(sorted[i]->key), sorted[i]->value);
    details.emplace("pairs", std::to_string(sorted.size()));
    return details;
}

void explainOAuthError(const std::vector<Pair>& pairs, DecodeResult& result) {
    auto error = std::find_if(pairs.begin(), pairs.end(), [](const Pair& p) { return p.key == "error"; });
    if (error == pairs.end()) return;
    std::optional<OAuthErrors::Info> info = OAuthErrors::lookup(error->value);
    if (!info) return;
    result.details["error_meaning"] = info->meaning;
    result.details["likely_cause"] = info->likelyCause;
    result.details["next_step"] = info->nextStep;
    result.summary = fmt::format("OAuth error: {} \u2014 {}", error->value, info->meaning);
    result.output += fmt::format("\n\n\u2192 {}\nlikely cause: {}\nnext step: {}", info->meaning,
                                 info->likelyCause, info->nextStep);
}

// Two pairs at least, the first with a key: most texts fail this before any is looked at whole.
bool mayHoldPairs(std::string_view t) {
    return t.find('&') != std::string_view::npos && keyEnd(t, 0);
}

} // namespace

std::optional<DecodeResult> QueryStringDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    if (!mayHoldPairs(t)) return std::nullopt;
    if (std::ranges::any_of(t, [](char c) { return c == ' ' || c == '\n'; })) return std::nullopt;
    std::optional<std::vector<Pair>> pairs = parsePairs(t);
    if (!pairs) return std::nullopt;

    const std::vector<const Pair*> sorted = byKey(*pairs);
    DecodeResult result{
        DetectionKind::queryString,
        sortedLines(*pairs, sorted),
        0.8,
        "Query string (" + std::to_string(pairs->size()) + " pairs)",
        pairDetails(sorted),
        true,
    };
    explainOAuthError(*pairs, result);
    return result;
}

} // namespace tindrel
