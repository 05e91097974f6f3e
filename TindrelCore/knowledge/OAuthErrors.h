#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// What the standard OAuth 2.0 / OpenID Connect `error` codes mean and what to do about them.
namespace tindrel::OAuthErrors {

struct Info {
    std::string meaning;
    std::string likelyCause;
    std::string nextStep;

    bool operator==(const Info&) const = default;
};

// The sixteen known codes; built once, read-only afterwards.
const std::map<std::string, Info, std::less<>>& table();

// Exact, case-sensitive match; the caller trims.
std::optional<Info> lookup(std::string_view code);

} // namespace tindrel::OAuthErrors
