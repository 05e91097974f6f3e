#pragma once

#include "TindrelCore/formats/PEMBundle.h"
#include "TindrelCore/model/DecodeModel.h"

#include <cstddef>
#include <optional>
#include <string>

// The bundle behind a pem step and the words every front end uses for it. A pem step describes the
// first block; the bundle is read again from the step's own text when it is asked for.
namespace tindrel::CertificateBundle {

// The bundle of step `index` when that step is of kind pem and its text holds more than one block.
std::optional<PEMBundle::Bundle> ofStep(const DecodeChain& chain, std::size_t index);

// "#2" for the block at index 1.
std::string blockName(std::size_t index);
// "3 blocks, 2 certificates".
std::string overview(const PEMBundle::Bundle& bundle);
// "CN=leaf.example, issued by CN=Example CA"; "?" for a name without a common name.
std::string names(const PEMBundle::Certificate& certificate);
// "2024-06-01T00:00:00Z → 2026-06-01T00:00:00Z, 365 days left" (or "EXPIRED 3 days ago", …).
std::string validity(const PEMBundle::Certificate& certificate);
// "RSA, 2048 bits".
std::string keyText(const PEMBundle::Key& key);
// "1217 bytes DER, RSA, 2048 bits": a block that is not a certificate.
std::string blockSize(const PEMBundle::Block& block);
// "issued by #2 — name and signature match", from the issued certificate's side.
std::string linkText(const PEMBundle::Link& link);
// "#2 CN=Example CA on 2025-01-01T00:00:00Z".
std::optional<std::string> expiresFirst(const PEMBundle::Bundle& bundle);

// Whether anything in the bundle calls for action: an expired certificate or a certificate that
// carries its issuer's name without having been signed by it.
bool needsAttention(const PEMBundle::Bundle& bundle);
// What to do about it; the first block's own expiry is left to the step's details unless
// `includeFirstBlock`.
std::vector<std::string> nextSteps(const PEMBundle::Bundle& bundle, bool includeFirstBlock);

} // namespace tindrel::CertificateBundle
