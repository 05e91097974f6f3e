#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tindrel::cli {

using TextSink = std::function<void(std::string_view)>;

// `text` with everything that could drive a terminal spelled out: C0 controls other than tab and
// line feed, DEL and ill-formed UTF-8 bytes as \xNN; C1 controls and the bidirectional overrides
// and isolates (U+202A–U+202E, U+2066–U+2069) as \uNNNN. Handed to `write` in pieces, uncopied.
void escapeControls(std::string_view text, const TextSink& write);
std::string escapeControls(std::string_view text);

// Text for people that came from the input or a model is escaped on its way to standard output
// only when that is a terminal, and not after setRawOutput(true): piped output stays byte for byte.
void setRawOutput(bool raw);
std::string shown(std::string_view text);
void writeShown(std::string_view text, const TextSink& write);

} // namespace tindrel::cli
