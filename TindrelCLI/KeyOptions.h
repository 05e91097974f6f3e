#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/verify/VerificationKey.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace tindrel::cli {

// --key FILE and --key-env NAME: a key to check token signatures with. A secret is never taken
// from the command line itself, where every process on the machine can read it.
struct KeyOptions {
    std::string file;
    std::string variable;
    std::optional<VerificationKey> key; // set by loadKey when one of the two was given
};

void addKeyOptions(CLI::App& command, KeyOptions& options);
// Reads the key the options name, if any. False, with the reason on standard error, when it cannot
// be read or holds nothing that can check a signature.
bool loadKey(KeyOptions& options);
// Adds the signature facts to the chain's tokens when a key was given; without one, nothing changes.
void checkSignatures(DecodeChain& chain, const KeyOptions& options);
// The same for a finding: with a key, a chain that holds a token becomes the finding's own.
void checkSignatures(ScanFinding& finding, const KeyOptions& options);
// "  signature verified" (or invalid, or not checked and why) for the first checked token of the
// chain; empty when none was checked.
std::string signatureNote(const DecodeChain& chain);

} // namespace tindrel::cli
