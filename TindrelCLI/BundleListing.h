#pragma once

#include "TindrelCLI/Style.h"
#include "TindrelCore/model/DecodeModel.h"

#include <cstddef>
#include <string>

namespace tindrel::cli {

// Every block of the PEM bundle behind step `index`, indented to sit under that step: each
// certificate's names, validity, SANs, key and fingerprint and whether the next one issued it, and
// which certificate expires first. Nothing for a step that is not a bundle of several blocks.
std::string bundleListing(const DecodeChain& chain, std::size_t index, const Style& style);

} // namespace tindrel::cli
