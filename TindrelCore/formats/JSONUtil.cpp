#include "TindrelCore/formats/JSONUtil.h"

#include "TindrelCore/formats/FlatJSON.h"
#include "TindrelCore/text/Text.h"

namespace tindrel::JSONUtil {

std::optional<nlohmann::json> parse(std::string_view s) {
    // Most texts offered as JSON are not (bracketed log fields, prose), and nlohmann spends far
    // longer building its error message than the flat reader spends refusing the same text.
    if (!FlatJSON::read(s)) return std::nullopt;
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
    std::optional<FlatJSON> document = FlatJSON::read(t);
    std::optional<std::string> text = document ? document->pretty() : std::nullopt;
    if (!text) return std::nullopt;
    return Pretty{std::move(*text), t.front() == '[' ? "array" : "object"};
}

} // namespace tindrel::JSONUtil
