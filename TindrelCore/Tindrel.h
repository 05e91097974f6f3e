#pragma once

#include "TindrelCore/DecodeModel.h"

#include <string_view>

namespace tindrel::Tindrel {

// The shared engine: the default detectors, threshold 0.5, at most 12 steps. Never throws.
DecodeChain inspect(std::string_view text);

} // namespace tindrel::Tindrel
