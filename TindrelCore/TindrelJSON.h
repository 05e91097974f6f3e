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

// What a chain document holds beyond the decode model.
struct Options {
    // Adds derived members: a pem step whose text holds several blocks gets `bundle`.
    bool extended = false;
};

// The chain document, pretty-printed; "{}" when it cannot be written (a non-finite confidence).
std::string string(const DecodeChain& chain, Options options = {});
// The same document on one line (JSON Lines output).
std::string compactString(const DecodeChain& chain, Options options = {});
// The scan document: the number of findings and each finding with its line, text, shape and chain.
std::string string(const std::vector<ScanFinding>& findings);

// The scan document in parts, for findings written as they come: scanOpening(count), the entries
// joined by entrySeparator, then scanClosing(count) give the text of string(findings). An entry
// is nothing when its finding cannot be written; the whole document is then "{}".
std::optional<std::string> findingEntry(const ScanFinding& finding);
std::string scanOpening(std::size_t count);
inline constexpr std::string_view entrySeparator = ",\n";
std::string scanClosing(std::size_t count);

// The chain record itself, for documents that embed chains.
nlohmann::json chainRecord(const DecodeChain& chain, Options options = {});
// Writes a record; "{}" when it holds a non-finite number or the text is not UTF-8.
std::string writeRecord(const nlohmann::json& record, bool pretty);

} // namespace tindrel::TindrelJSON
