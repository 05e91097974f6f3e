#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tindrel::Text {

// Every "%" must start two hex digits and the bytes must form UTF-8, else nothing. "+" stays "+".
std::optional<std::string> percentDecoded(std::string_view s);

} // namespace tindrel::Text
