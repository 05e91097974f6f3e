#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <string>

namespace tindrel {

// One sentence for the top of the insight panel: "This is an expired HS256 JWT."
std::string insightHeadline(const DecodeChain& chain);

} // namespace tindrel
