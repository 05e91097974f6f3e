#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelReport/MediumDate.h"

#include <QString>
#include <string>

namespace tindrel::ExportDump {

// The Markdown report of `chain` without explanation, a line "=== JSON ===", then its JSON document.
std::string text(const DecodeChain& chain, const MediumDateFormatter& mediumDate);

// Replaces the file at `path` with `text` as a whole or not at all; false when that failed.
bool writeAtomically(const QString& path, const std::string& text);

} // namespace tindrel::ExportDump
