#include "TindrelCore/TindrelJSON.h"

#include "TindrelCore/formats/JSONStream.h"
#include "TindrelCore/knowledge/CertificateBundle.h"
#include "TindrelCore/text/DateText.h"

#include <array>
#include <charconv>
#include <optional>

namespace tindrel::TindrelJSON {
namespace {

using namespace json_literals;

// Every record below writes its members in sorted key order, as readers have always seen them.

void writeAlternative(JSONStream& out, const Alternative& alternative) {
    out.beginObject()
        .key("confidence"_key)
        .number(alternative.confidence)
        .key("kind"_key)
        .string(detection_kind::rawValue(alternative.kind))
        .key("summary"_key)
        .string(alternative.summary)
        .endObject();
}

// Nothing is ever written as null, so the closest answer is a list of at most one.
void writeStop(JSONStream& out, const StopReason& stop) {
    out.beginObject().key("cause"_key).string(stopCauseName(stop.cause)).key("closest"_key).beginArray();
    if (stop.closest) writeAlternative(out, *stop.closest);
    out.endArray().endObject();
}

// The chain's shape, the kind of each step, without a list of them.
void writeShape(JSONStream& out, const DecodeChain& chain) {
    out.beginArray();
    for (const DecodeResult& step : chain.steps)
        out.string(detection_kind::rawValue(step.kind));
    out.endArray();
}

std::string_view linkStatusName(PEMBundle::LinkStatus status) {
    switch (status) {
    case PEMBundle::LinkStatus::linked:
        return "linked";
    case PEMBundle::LinkStatus::signatureMismatch:
        return "signatureMismatch";
    case PEMBundle::LinkStatus::nameMismatch:
        return "nameMismatch";
    case PEMBundle::LinkStatus::unchecked:
        break;
    }
    return "unchecked";
}

// Block numbers count from 1, as the bundle listings show them.
std::size_t blockNumber(std::size_t index) {
    return index + 1;
}

nlohmann::json keyRecord(const PEMBundle::Key& key) {
    nlohmann::json record = {{"type", key.type}};
    if (key.bits) record["bits"] = *key.bits;
    return record;
}

// Facts that a certificate does not carry are left out, as the step's details leave them out.
nlohmann::json certificateRecord(const PEMBundle::Certificate& certificate) {
    const X509::CertificateFacts& facts = certificate.facts;
    nlohmann::json record = {{"expired", certificate.expired},
                             {"notYetValid", certificate.notYetValid},
                             {"sanDNS", facts.sanDNS},
                             {"sha256", certificate.sha256}};
    if (facts.subjectCN) record["subjectCN"] = *facts.subjectCN;
    if (facts.issuerCN) record["issuerCN"] = *facts.issuerCN;
    if (facts.notBefore) record["notBefore"] = DateText::iso8601(*facts.notBefore);
    if (facts.notAfter) record["notAfter"] = DateText::iso8601(*facts.notAfter);
    if (certificate.daysLeft) record["daysLeft"] = *certificate.daysLeft;
    if (certificate.key) record["key"] = keyRecord(*certificate.key);
    return record;
}

nlohmann::json blockRecord(const PEMBundle::Block& block, std::size_t index) {
    nlohmann::json record = {
        {"number", blockNumber(index)}, {"label", block.label}, {"derBytes", block.derBytes}};
    if (block.certificate) record["certificate"] = certificateRecord(*block.certificate);
    if (block.key) record["key"] = keyRecord(*block.key);
    return record;
}

nlohmann::json bundleRecord(const PEMBundle::Bundle& bundle) {
    nlohmann::json blocks = nlohmann::json::array();
    for (std::size_t i = 0; i < bundle.blocks.size(); ++i)
        blocks.push_back(blockRecord(bundle.blocks[i], i));
    nlohmann::json links = nlohmann::json::array();
    for (const PEMBundle::Link& link : bundle.links)
        links.push_back({{"issued", blockNumber(link.issued)},
                         {"issuer", blockNumber(link.issuer)},
                         {"status", linkStatusName(link.status)}});
    nlohmann::json record = {
        {"blocks", std::move(blocks)}, {"links", std::move(links)}, {"complete", bundle.complete}};
    if (bundle.expiresFirst) record["expiresFirst"] = blockNumber(*bundle.expiresFirst);
    return record;
}

} // namespace

namespace {

// `finalValue`: where the chain's final value was written, when this step's output is that value.
void writeStep(JSONStream& out, const DecodeChain& chain, std::size_t index, Members members,
               std::optional<JSONStream::Written> finalValue) {
    const DecodeResult& step = chain.steps[index];
    out.beginObject();
    if (members == Members::extended) {
        out.key("alternatives"_key).beginArray();
        for (const Alternative& alternative : step.alternatives)
            writeAlternative(out, alternative);
        out.endArray();
        if (auto bundle = CertificateBundle::ofStep(chain, index))
            out.key("bundle"_key).value(bundleRecord(*bundle));
    }
    out.key("confidence"_key).number(step.confidence).key("details"_key).beginObject();
    for (const auto& [key, value] : step.details)
        out.key(key).string(value);
    out.endObject().key("kind"_key).string(detection_kind::rawValue(step.kind)).key("output"_key);
    if (finalValue)
        out.repeated(*finalValue);
    else
        out.string(step.output);
    out.key("summary"_key).string(step.summary).key("terminal"_key).boolean(step.terminal).endObject();
}

// The final value is the last step's output, written once and copied.
void writeChain(JSONStream& out, const DecodeChain& chain, Members members) {
    out.beginObject().key("finalValue"_key).string(chain.finalValue());
    const JSONStream::Written finalValue = out.lastString();
    out.key("input"_key)
        .string(chain.input)
        .key("recognized"_key)
        .boolean(chain.isRecognized())
        .key("shape"_key);
    writeShape(out, chain);
    out.key("steps"_key).beginArray();
    for (std::size_t i = 0; i < chain.steps.size(); ++i)
        writeStep(out, chain, i, members,
                  i + 1 == chain.steps.size() ? std::optional(finalValue) : std::nullopt);
    out.endArray();
    if (members == Members::extended) writeStop(out.key("stopReason"_key), chain.stop);
    out.endObject();
}

// Each finding sits two levels deep in the scan document.
constexpr std::size_t entryLevel = 2;
constexpr std::string_view entryIndent = "    ";

std::string chainDocument(const DecodeChain& chain, Members members, bool pretty) {
    JSONStream out(pretty);
    writeChain(out, chain, members);
    return std::move(out).take().value_or("{}");
}

} // namespace

std::string string(const DecodeChain& chain, Members members) {
    return chainDocument(chain, members, true);
}

std::string compactString(const DecodeChain& chain, Members members) {
    return chainDocument(chain, members, false);
}

std::string string(const std::vector<ScanFinding>& findings, Members members) {
    std::vector<std::optional<std::string>> entries;
    entries.reserve(findings.size());
    for (const ScanFinding& finding : findings)
        entries.push_back(findingEntry(finding, members));
    return scanDocument(entries);
}

std::string scanDocument(const std::vector<std::optional<std::string>>& entries) {
    std::string text = scanOpening(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i]) return "{}";
        text.append(i > 0 ? entrySeparator : "").append(*entries[i]);
    }
    return text + scanClosing(entries.size());
}

std::optional<ChainParts> chainParts(const DecodeChain& chain, Members members) {
    JSONStream chainText(true, entryLevel + 1);
    writeChain(chainText, chain, members);
    JSONStream shapeText(true, entryLevel + 1);
    writeShape(shapeText, chain);
    std::optional<std::string> written = std::move(chainText).take();
    std::optional<std::string> shape = std::move(shapeText).take();
    if (!written || !shape) return std::nullopt;
    return ChainParts{std::move(*written), std::move(*shape)};
}

std::optional<std::string> matchedTextMember(std::string_view matchedText) {
    JSONStream out(false);
    out.string(matchedText);
    return std::move(out).take();
}

bool appendEntryFrame(std::string& beforeLine, std::string& afterLine, const ChainParts& parts,
                      std::string_view matchedTextMember, const FindingPlace* place) {
    std::optional<std::string> path;
    if (place && place->path && !(path = TindrelJSON::matchedTextMember(*place->path))) return false;
    // The members sit a level below the entry's braces, as a pretty stream at entryLevel puts them.
    auto member = [](std::string& out, std::string_view key, std::string_view value) {
        out.append(",\n      \"").append(key).append("\": ").append(value);
    };
    beforeLine.append(entryIndent).append("{\n      \"chain\": ").append(parts.chain);
    if (place) member(beforeLine, "column", std::to_string(place->column));
    beforeLine.append(",\n      \"line\": ");
    member(afterLine, "matchedText", matchedTextMember);
    if (path) member(afterLine, "path", *path);
    member(afterLine, "shape", parts.shape);
    afterLine.append("\n").append(entryIndent).append("}");
    return true;
}

void appendEntry(std::string& out, std::string_view beforeLine, std::size_t line,
                 std::string_view afterLine) {
    std::array<char, 24> digits{};
    char* end = std::to_chars(digits.begin(), digits.end(), line).ptr;
    out.append(beforeLine)
        .append(digits.data(), static_cast<std::size_t>(end - digits.data()))
        .append(afterLine);
}

std::optional<std::string> entryAround(const ChainParts& parts, std::size_t line,
                                       std::string_view matchedTextMember, const FindingPlace* place) {
    std::string beforeLine, afterLine;
    if (!appendEntryFrame(beforeLine, afterLine, parts, matchedTextMember, place)) return std::nullopt;
    std::string entry;
    appendEntry(entry, beforeLine, line, afterLine);
    return entry;
}

std::optional<std::string> findingEntry(const ScanFinding& finding, Members members,
                                        const FindingPlace* place) {
    std::optional<ChainParts> parts = chainParts(*finding.chain, members);
    std::optional<std::string> text = matchedTextMember(finding.matchedText());
    if (!parts || !text) return std::nullopt;
    return entryAround(*parts, finding.line, *text, place);
}

std::string scanOpening(std::size_t count) {
    return "{\n  \"count\": " + std::to_string(count) + ",\n  \"findings\": [" + (count ? "\n" : "");
}

std::string scanClosing(std::size_t count) {
    return count ? "\n  ]\n}" : "]\n}";
}

} // namespace tindrel::TindrelJSON
