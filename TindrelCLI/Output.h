#pragma once

#include <string_view>

namespace tindrel::cli {

void writeOut(std::string_view text);
void writeError(std::string_view line);

} // namespace tindrel::cli
