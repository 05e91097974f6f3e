#include "TindrelAI/DetailCategorizer.h"
#include "TindrelCore/text/TextCase.h"
#include "TindrelReport/DecodedSummary.h"
#include "TindrelReport/InternetDate.h"
#include "TindrelReport/RandomID.h"

#include <algorithm>
#include <array>

namespace tindrel {
namespace {

struct KeyLabel {
    std::string_view key, label;
};

constexpr std::array<KeyLabel, 10> labels = {{
    {"alg", "Algorithm"},
    {"typ", "Type"},
    {"kid", "Key ID"},
    {"exp", "Expires"},
    {"iat", "Issued"},
    {"nbf", "Not valid before"},
    {"sub", "Subject"},
    {"iss", "Issuer"},
    {"aud", "Audience"},
    {"jti", "Token ID"},
}};

constexpr std::array<std::string_view, 9> priorityKeys = {"alg", "exp", "iat", "nbf", "sub",
                                                          "iss", "aud", "kid", "jti"};
constexpr std::array<std::string_view, 5> monoKeys = {"sub", "iss", "aud", "kid", "jti"};
// Folded into other facts (expired, exp_relative) or not worth a row (typ).
constexpr std::array<std::string_view, 3> hidden = {"expired", "exp_relative", "typ"};

template <std::size_t N> bool listed(const std::array<std::string_view, N>& keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Engine notes are left to the explanation and the risk panel.
bool isShownGeneric(std::string_view key) {
    return !listed(priorityKeys, key) && !listed(hidden, key) && !DetailCategorizer::isExplanatory(key);
}

std::string formattedDate(const std::string& stored, const MediumDateFormatter& mediumDate) {
    if (!mediumDate) return stored;
    std::optional<std::int64_t> instant = InternetDate::parse(stored);
    if (!instant) return stored;
    return mediumDate(*instant).value_or(stored);
}

std::string stored(const Details& details, const std::string& key) {
    auto it = details.find(key);
    return it == details.end() ? std::string() : it->second;
}

} // namespace

std::string DecodedSummary::label(std::string_view key) {
    for (const KeyLabel& entry : labels)
        if (entry.key == key) return std::string(entry.label);
    std::string spaced(key);
    std::replace(spaced.begin(), spaced.end(), '_', ' ');
    return TextCase::capitalized(spaced);
}

DecodedSummary::Fact DecodedSummary::makeFact(const std::string& key, const Details& details,
                                              const MediumDateFormatter& mediumDate) {
    std::string value = stored(details, key);
    if (key == "exp" || key == "iat" || key == "nbf") value = formattedDate(value, mediumDate);
    if (key == "exp" && details.contains("exp_relative")) value += " \u00B7 " + details.at("exp_relative");
    return Fact{RandomID::uuid(), label(key), std::move(value), listed(monoKeys, key)};
}

std::vector<DecodedSummary::Fact> DecodedSummary::curate(const Details& details,
                                                         const MediumDateFormatter& mediumDate) {
    std::vector<Fact> facts;
    for (std::string_view key : priorityKeys) {
        if (facts.size() == maxFacts) return facts;
        std::string name(key);
        if (details.contains(name)) facts.push_back(makeFact(name, details, mediumDate));
    }
    for (const auto& [key, value] : details) {
        if (facts.size() == maxFacts) return facts;
        if (isShownGeneric(key))
            facts.push_back(Fact{RandomID::uuid(), label(key), value, listed(monoKeys, key)});
    }
    return facts;
}

} // namespace tindrel
