#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QString>
#include <cstddef>
#include <optional>

// The fixed texts of the main window and the texts that follow from the model's state.
namespace tindrel::ScreenTexts {

inline const char* const appTitle = "Tindrel";
inline const char* const analyze = "Analyze";
inline const char* const source = "SOURCE";
inline const char* const decoded = "DECODED";
inline const char* const editorPlaceholder =
    "Paste anything \u2014 a token, payload, error, certificate, or log";
inline const char* const emptyHint =
    "Paste anything above \u2014 a token, error, certificate, log, or payload \u2014 and "
    "Tindrel figures out what it is.";
inline const char* const notRecognized = "Not recognized";
inline const char* const decoding = "Decoding\u2026";
inline const char* const notRecognizedDetail =
    "This looks like plain text, an unsupported format, or only a fragment. Try pasting more context.";
inline const char* const technicalNotRecognized = "Not recognized \u2014 plain text or unsupported format.";
inline const char* const recent = "RECENT";
inline const char* const noHistory = "Nothing yet \u2014 paste something to start your history.";
inline const char* const insightNone = "Paste a token, error, certificate, log, or payload to understand it.";
inline const char* const onThisMachine = "Analysis runs on this computer.";
inline const char* const building = "Building an explanation\u2026";
inline const char* const buildingDetail = "Building an explanation from verified facts\u2026";
inline const char* const thinking = "Thinking on-device\u2026";
inline const char* const askPlaceholder = "Ask a follow-up\u2026";
inline const char* const alsoPossible = "Also possible:";

// The type chip of a single result: the first step's kind, "Possible " below 0.75 confidence; nothing
// for a chain without steps.
std::optional<QString> singleChip(const DecodeChain& chain);
// "Log · 3 found".
QString scanChip(std::size_t findings);
// "1 finding", "4 findings".
QString findingCount(std::size_t findings);
// "Also found 3 embedded items in this input."
QString embeddedBanner(int count);
// Confidence as a whole percentage: 0.95 → "95%".
QString confidencePercent(double confidence);
// Another reading of a step: "Hash (50%)".
QString alternativeReading(DetectionKind kind, double confidence);
// "line 12".
QString lineLabel(int line);
// "Tip: press Alt+Shift+Space anywhere to inspect your clipboard."
QString shortcutTip(const QString& chordDisplay);
// The text flattened onto one line, for lists that show an input in a single row.
QString oneLine(const QString& text);
// Trimmed of white space and line breaks at both ends.
QString trimmed(const QString& text);

} // namespace tindrel::ScreenTexts
