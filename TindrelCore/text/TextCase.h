#pragma once

#include <string>
#include <string_view>

// Unicode case mapping, one scalar at a time (simple mappings: "ß" stays "ß"). Input must be valid UTF-8.
namespace tindrel::TextCase {

std::string uppercased(std::string_view s);
std::string lowercased(std::string_view s);
// Every word (a run between white space) starts in title case and continues in lower case:
// "key size" and "KEY SIZE" both give "Key Size".
std::string capitalized(std::string_view s);

} // namespace tindrel::TextCase
