#pragma once

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/scan/ScanStream.h"
#include "TindrelCore/scan/Scanner.h"

#include <string>
#include <string_view>
#include <vector>

namespace tindrel::Tindrel {

// The shared engine: the default detectors, threshold 0.5, at most 12 steps. Never throws.
DecodeChain inspect(std::string_view text);
// The same, taking over `text` as the chain's input instead of copying it.
DecodeChain inspectOwned(std::string text);
// The same with some steps' readings chosen by a person rather than the engine.
ReadingOutcome inspect(std::string text, const ChosenReadings& chosen);
// `chain` read again from `step` on, that step taking the answer of `kind`.
ReadingOutcome reread(const DecodeChain& chain, std::size_t step, DetectionKind kind);

// The shared scanner, on an engine with the same settings: every artifact embedded in the text,
// in text order.
std::vector<ScanFinding> scan(std::string_view text);
// The same findings handed to `each` in text order, a piece of the text at a time: for logs too
// large to hold every finding at once.
void scan(std::string_view text, const FindingSink& each);
// A scan with the shared scanner of a text that arrives a chunk at a time (a file being read, a
// pipe), in bounded memory: feed it the bytes, then finish it; the findings reach `each` in text
// order while the text still comes.
ScanStream scanStream(FindingSink each);
// The same, each finding rendered by the thread that found it and the renderings handed on.
ScanStream scanStream(RenderedFindings rendered);
// The same findings only counted.
ScanStream scanStream(CountedFindings counted);

} // namespace tindrel::Tindrel
