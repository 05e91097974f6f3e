#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelShortcut/KeyChord.h"

#include <limits>

namespace tindrel {
namespace {

using nlohmann::json;

const json* member(const json& object, const char* name) {
    auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

std::optional<std::uint32_t> keyCodeOf(const json* value) {
    if (!value || !value->is_number_unsigned()) return std::nullopt;
    auto code = value->get<std::uint64_t>();
    if (code > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return std::uint32_t(code);
}

std::optional<KeyChord::Modifiers::RawValue> rawModifiersOf(const json* value) {
    if (!value || !value->is_number_integer()) return std::nullopt;
    if (value->is_number_unsigned() &&
        value->get<std::uint64_t>() > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return value->get<std::int64_t>();
}

} // namespace

Bytes::Buffer KeyChord::encoded() const {
    json record{{"keyCode", keyCode}, {"modifiers", modifiers.rawValue}, {"keyLabel", keyLabel}};
    return JSONUtil::write(record, false).value_or(Bytes::Buffer());
}

std::optional<KeyChord> KeyChord::decoded(std::string_view bytes) {
    std::optional<json> value = JSONUtil::parse(bytes);
    if (!value || !value->is_object()) return std::nullopt;
    std::optional<std::uint32_t> code = keyCodeOf(member(*value, "keyCode"));
    std::optional<Modifiers::RawValue> raw = rawModifiersOf(member(*value, "modifiers"));
    const json* label = member(*value, "keyLabel");
    if (!code || !raw || !label || !label->is_string()) return std::nullopt;
    return KeyChord{*code, Modifiers(*raw), label->get<std::string>()};
}

} // namespace tindrel
