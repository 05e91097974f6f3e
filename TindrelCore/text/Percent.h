#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tindrel::Percent {

// Percent-decoding: every "%" must start a two-digit hexadecimal escape and the bytes must form
// valid UTF-8, else nothing. "+" stays "+".
std::optional<std::string> decode(std::string_view s);

} // namespace tindrel::Percent
