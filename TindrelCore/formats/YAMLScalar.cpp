#include "TindrelCore/formats/YAML.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

namespace tindrel::YAML {
namespace {

using nlohmann::json;

std::string_view trimSpacesAndTabs(std::string_view s) {
    std::size_t start = s.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    return s.substr(start, s.find_last_not_of(" \t") - start + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isQuoted(std::string_view t) {
    return t.size() > 1 && (t.front() == '"' || t.front() == '\'') && t.back() == t.front();
}

template <std::size_t N> bool isOneOf(std::string_view t, const std::array<std::string_view, N>& words) {
    for (std::string_view word : words)
        if (t == word) return true;
    return false;
}

// An optional sign and digits only; nothing when the value does not fit 64 bits.
std::optional<std::int64_t> decimalInteger(std::string_view t) {
    std::string_view digits = t;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
        if (!isDigit(c)) return std::nullopt;
    // from_chars takes a minus sign but not a plus sign.
    std::string_view parsed = t.front() == '+' ? digits : t;
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(parsed.data(), parsed.data() + parsed.size(), value);
    if (error != std::errc() || end != parsed.data() + parsed.size()) return std::nullopt;
    return value;
}

// [+-]?[0-9]*\.?[0-9]+([eE][+-]?[0-9]+)? over the whole text, walked by hand.
bool isDecimalNumber(std::string_view t) {
    std::size_t i = 0;
    auto digitsFrom = [&](std::size_t from) {
        std::size_t j = from;
        while (j < t.size() && isDigit(t[j]))
            ++j;
        return j;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t afterInteger = digitsFrom(i);
    if (afterInteger < t.size() && t[afterInteger] == '.') {
        std::size_t afterFraction = digitsFrom(afterInteger + 1);
        if (afterFraction == afterInteger + 1) return false;
        i = afterFraction;
    } else {
        if (afterInteger == i) return false;
        i = afterInteger;
    }
    if (i == t.size()) return true;
    if (t[i] != 'e' && t[i] != 'E') return false;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t afterExponent = digitsFrom(i);
    return afterExponent > i && afterExponent == t.size();
}

// strtod in the C locale whatever the process locale is: overflow gives infinity, as it should here.
double decimalDouble(std::string_view t) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    std::string text(t);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

} // namespace

bool isSequenceItem(std::string_view text) {
    return text == "-" || text.starts_with("- ");
}

std::optional<std::pair<std::string, std::string>> splitMapping(std::string_view x) {
    bool inDouble = false;
    bool inSingle = false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        char c = x[i];
        if (c == '"' && !inSingle) {
            inDouble = !inDouble;
        } else if (c == '\'' && !inDouble) {
            inSingle = !inSingle;
        } else if (c == ':' && !inDouble && !inSingle && (i + 1 == x.size() || x[i + 1] == ' ')) {
            std::string_view key = trimSpacesAndTabs(x.substr(0, i));
            if (key.empty()) return std::nullopt;
            return std::pair{std::string(key), std::string(trimSpacesAndTabs(x.substr(i + 1)))};
        }
    }
    return std::nullopt;
}

json scalar(std::string_view x) {
    std::string_view t = trimSpacesAndTabs(x);
    if (isQuoted(t)) return std::string(t.substr(1, t.size() - 2));
    if (isOneOf<5>(t, {"", "~", "null", "Null", "NULL"})) return nullptr;
    if (isOneOf<3>(t, {"true", "True", "TRUE"})) return true;
    if (isOneOf<3>(t, {"false", "False", "FALSE"})) return false;
    if (std::optional<std::int64_t> integer = decimalInteger(t)) return *integer;
    if (isDecimalNumber(t)) return decimalDouble(t);
    return std::string(t);
}

} // namespace tindrel::YAML
