#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/scan/Scanner.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The JSON export: a document other tools can read, keys sorted, slashes unescaped.
namespace tindrel::TindrelJSON {

// Which members the documents hold. Other tools read the standard ones strictly; extended adds to
// each step its `alternatives` (kind, confidence, summary of the other confident answers) and to
// each chain its `stopReason` (`cause`, and `closest`: the best answer below the threshold, a list
// of at most one), and to a pem step whose text holds several blocks its `bundle`.
enum class Members { standard, extended };

// The chain document, pretty-printed; "{}" when it cannot be written (a non-finite confidence).
std::string string(const DecodeChain& chain, Members members = Members::standard);
// The same document on one line (JSON Lines output).
std::string compactString(const DecodeChain& chain, Members members = Members::standard);
// The scan document: the number of findings and each finding with its line, text, shape and chain.
std::string string(const std::vector<ScanFinding>& findings, Members members = Members::standard);

// The scan document in parts, for findings written as they come: scanOpening(count), the entries
// joined by entrySeparator, then scanClosing(count) give the text of string(findings). An entry
// is nothing when its finding cannot be written; the whole document is then "{}".
std::optional<std::string> findingEntry(const ScanFinding& finding, Members members = Members::standard);
std::string scanOpening(std::size_t count);
inline constexpr std::string_view entrySeparator = ",\n";
std::string scanClosing(std::size_t count);

// The chain record itself, for documents that embed chains.
nlohmann::json chainRecord(const DecodeChain& chain, Members members = Members::standard);
// Writes a record; "{}" when it holds a non-finite number or the text is not UTF-8.
std::string writeRecord(const nlohmann::json& record, bool pretty);

} // namespace tindrel::TindrelJSON
