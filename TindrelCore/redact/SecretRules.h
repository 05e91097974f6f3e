#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel::Redaction {

// How much a redaction hides.
enum class Mode {
    secrets,    // secrets only, each masked keeping no more than its own facts
    keepClaims, // the same, but a token's marker also names its algorithm, subject and expiry
    all,        // every finding, secret or not
};

// "" or "secrets", "keep-claims", "all".
std::optional<Mode> modeNamed(std::string_view name);

// Bytes [begin, end) of a text become `marker`. An edit never covers a line feed and no marker holds
// one, so masking never moves a line.
struct Edit {
    std::size_t begin;
    std::size_t end;
    std::string marker;

    bool operator==(const Edit&) const = default;
};

using Edits = std::vector<Edit>;

// What stands in for a whole artifact of a kind: "<redacted JWT>", "<redacted UUID>", …
std::string kindMarker(DetectionKind kind);

// Whether a query key names a value that must not be shared (code, token, client_secret, api_key, …).
bool isSecretKey(std::string_view key);

// The first step of the chain that holds a secret, if any.
std::optional<std::size_t> firstSecretStep(const DecodeChain& chain);

// Edits that mask the secret in `text`, the text that `step` decoded, keeping only what the step's
// facts tell anyway. `step` must be a secret step.
Edits secretEdits(std::string_view text, const DecodeResult& step, Mode mode);
// The secret step as it may be shown, `text` being what it decoded: its output masked (a token's
// payload entirely) and a query re-read from its masked text, so no fact holds a secret value.
DecodeResult maskedStep(std::string_view text, const DecodeResult& step, Mode mode);
// The whole of `text` masked line by line: the first line's content becomes `marker`, every later
// line's content "<redacted>"; white space around each line stays.
Edits wholeTextEdits(std::string_view text, const std::string& marker);
// `text` with the edits (in ascending order, none overlapping) applied.
std::string applyEdits(std::string_view text, const Edits& edits);
// The marker for a chain whose secret step is `step`: a token's own, any other kind's name.
std::string secretMarker(const DecodeResult& step, Mode mode);

// The bodies of the private-key PEM blocks in `text` whether or not a detector read them: every body
// line between the BEGIN and END lines (or, without an END, while lines look like key material).
Edits privateKeyBodyEdits(std::string_view text);

// The secret texts themselves (tokens, key lines, salts and hashes, secret query values) of the
// chain's secret steps, at least `minimum` bytes long: what must never appear in what is shared.
std::vector<std::string> secretTexts(const DecodeChain& chain, std::size_t minimum);

} // namespace tindrel::Redaction
