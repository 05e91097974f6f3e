#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <string>
#include <utility>

namespace tindrel::testing {

inline DecodeResult step(DetectionKind kind, std::string summary, Details details = {},
                         std::string output = "out") {
    return DecodeResult{kind, std::move(output), 0.9, std::move(summary), std::move(details), false};
}

inline DecodeChain chainOf(std::vector<DecodeResult> steps, std::string input = "input") {
    return DecodeChain{std::move(input), std::move(steps)};
}

// `count` copies of a character that is one user-perceived character but several bytes.
inline std::string accented(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += "e\u0301";
    return text;
}

} // namespace tindrel::testing
