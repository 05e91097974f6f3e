#pragma once

#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/scan/Scanner.h"

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

// Where a scan of files and folders found a finding, beyond its line: its column and, when several
// files were scanned, the file's path.
struct FindingPlace {
    std::size_t column;
    const std::string* path;
};

// The scan document in parts, for findings written as they come: scanOpening(count), the entries
// joined by entrySeparator, then scanClosing(count) give the text of string(findings). An entry
// is nothing when its finding cannot be written; the whole document is then "{}". With a place,
// the entry holds the finding's column and path too.
std::optional<std::string> findingEntry(const ScanFinding& finding, Members members = Members::standard,
                                        const FindingPlace* place = nullptr);
// The members of a finding's entry that its chain alone decides, written as they stand in the
// entry, so that findings of the same text can share them: findingEntry gives
// entryAround(chainParts(chain), …) for the finding's own line, text and place. Nothing when the
// chain cannot be written.
struct ChainParts {
    std::string chain;
    std::string shape;
};
std::optional<ChainParts> chainParts(const DecodeChain& chain, Members members = Members::standard);
// The matched text as the entry holds it; nothing when it is not UTF-8.
std::optional<std::string> matchedTextMember(std::string_view matchedText);
// Nothing when the place's path is not UTF-8.
std::optional<std::string> entryAround(const ChainParts& parts, std::size_t line,
                                       std::string_view matchedTextMember,
                                       const FindingPlace* place = nullptr);
// The same entry around its line number: findings of one text and place differ only in their line,
// so a writer of many frames each text once and appends the text before the line, the line and the
// text after it for each finding. The frame's two texts are appended to the two strings given,
// which may already hold others; false, with nothing appended, when the place's path is not UTF-8.
bool appendEntryFrame(std::string& beforeLine, std::string& afterLine, const ChainParts& parts,
                      std::string_view matchedTextMember, const FindingPlace* place = nullptr);
void appendEntry(std::string& out, std::string_view beforeLine, std::size_t line, std::string_view afterLine);
std::string scanOpening(std::size_t count);
inline constexpr std::string_view entrySeparator = ",\n";
std::string scanClosing(std::size_t count);
// The document of the entries, in their order; "{}" when one of them is nothing.
std::string scanDocument(const std::vector<std::optional<std::string>>& entries);

} // namespace tindrel::TindrelJSON
