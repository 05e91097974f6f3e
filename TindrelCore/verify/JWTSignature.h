#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/verify/VerificationKey.h"

namespace tindrel {

// Checks the signature of every JWT step of a chain the engine built, with a key the user gave, and
// adds two facts to that step: `signature` ("verified", "invalid" or "not checked: " and why) and
// `signature_key` (the key's label, with the JWK's kid when one key decided, e.g.
// "jwks.json (kid 2024-05)"). A token with alg "none" never verifies; a key of a type the token's
// algorithm cannot use gives "not checked: this key cannot check <alg>" and no verdict. The engine
// itself never sees a key: without this call a chain carries no signature facts.
void verifyJWTSignatures(DecodeChain& chain, const VerificationKey& key);
// The same for a finding, whose chain other findings of its text may share: a chain that holds a
// token is copied, checked and given to this finding alone; any other stays as it is, shared.
void verifyJWTSignatures(ScanFinding& finding, const VerificationKey& key);

} // namespace tindrel
