#pragma once

#include <string_view>

// Built-in demonstration inputs shared by the command and the app.
namespace tindrel::Samples {

// A signed HS256 JWT with sub, name, iat and an exp in the past.
extern const std::string_view token;
// Four log lines: a request id, an expired JWT, an OAuth error, a JSON payload with a timestamp.
extern const std::string_view log;

} // namespace tindrel::Samples
