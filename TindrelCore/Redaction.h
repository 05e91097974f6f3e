#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/redact/SecretRules.h"
#include "TindrelCore/scan/Scanner.h"

#include <functional>
#include <string>
#include <string_view>

// Texts made fit to share: every secret the scanner finds is masked in place and every other byte
// is kept, so a redacted log still lines up with the original line for line.
namespace tindrel::Redaction {

// The edits that mask one finding, in positions of the scanned text; none for a finding that holds
// no secret (unless the mode masks everything).
Edits findingEdits(const ScanFinding& finding, Mode mode);

// `text` redacted, handed to `write` a piece at a time in order; answers how many masks were written.
// Bytes that are not valid UTF-8 are scanned as "?" and written back as they were.
std::size_t redact(std::string_view text, Mode mode, const std::function<void(std::string_view)>& write);
// The same, the text scanned as a log is, a few hundred kilobytes at a time (Tindrel::scanStream): in
// bounded memory besides the text, and masking just what a scan of the log reports.
std::size_t redactLog(std::string_view text, Mode mode, const std::function<void(std::string_view)>& write);
std::string redact(std::string_view text, Mode mode);

// The chain's input as it may be shared or kept: redacted, and the chain's own secret masked even
// where the scanner would not find it on its own.
std::string redactedInput(const DecodeChain& chain, Mode mode);
// The chain as it may be shared: its input redacted, each output that holds or comes from a secret
// masked, and facts that would repeat a secret value masked too.
DecodeChain redactedChain(const DecodeChain& chain, Mode mode);

// `text` with every occurrence of the chain's secret texts masked: for text written about the chain
// elsewhere, such as an explanation, that might quote it.
std::string withoutSecretsOf(std::string text, const DecodeChain& chain);

} // namespace tindrel::Redaction
