#include "TindrelCore/formats/JSONUtil.h"

#include "TindrelCore/text/Text.h"

namespace tindrel::JSONUtil {
namespace {

// One linear pass over the brackets outside strings.
bool nestsTooDeep(std::string_view s) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > maxNestingDepth) return true;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return false;
}

} // namespace

std::optional<nlohmann::json> parse(std::string_view s) {
    if (nestsTooDeep(s)) return std::nullopt;
    nlohmann::json value = nlohmann::json::parse(s.begin(), s.end(), nullptr, false);
    if (value.is_discarded()) return std::nullopt;
    return value;
}

std::optional<std::string> write(const nlohmann::json& value, bool pretty) {
    try {
        return value.dump(pretty ? 2 : -1, ' ', false, nlohmann::json::error_handler_t::strict);
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}

std::optional<Pretty> prettyPrinted(std::string_view s) {
    std::string_view t = Text::trim(s);
    if (t.empty() || (t.front() != '{' && t.front() != '[')) return std::nullopt;
    std::optional<nlohmann::json> value = parse(t);
    if (!value) return std::nullopt;
    std::optional<std::string> text = write(*value, true);
    if (!text || !Text::isValidUTF8(*text)) return std::nullopt;
    return Pretty{std::move(*text), value->is_array() ? "array" : "object"};
}

} // namespace tindrel::JSONUtil
