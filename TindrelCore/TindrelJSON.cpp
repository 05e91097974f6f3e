#include "TindrelCore/TindrelJSON.h"

#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/knowledge/CertificateBundle.h"
#include "TindrelCore/text/DateText.h"

#include <cmath>

namespace tindrel::TindrelJSON {
namespace {

bool hasNonFiniteNumber(const nlohmann::json& value) {
    if (value.is_number_float()) return !std::isfinite(value.get<double>());
    if (value.is_structured())
        for (const auto& element : value)
            if (hasNonFiniteNumber(element)) return true;
    return false;
}

nlohmann::json alternativeRecord(const Alternative& alternative) {
    return {
        {"kind", detection_kind::rawValue(alternative.kind)},
        {"confidence", alternative.confidence},
        {"summary", alternative.summary},
    };
}

nlohmann::json alternativesRecord(const std::vector<Alternative>& alternatives) {
    nlohmann::json records = nlohmann::json::array();
    for (const Alternative& alternative : alternatives)
        records.push_back(alternativeRecord(alternative));
    return records;
}

// Nothing is ever written as null, so the closest answer is a list of at most one.
nlohmann::json stopRecord(const StopReason& stop) {
    nlohmann::json closest = nlohmann::json::array();
    if (stop.closest) closest.push_back(alternativeRecord(*stop.closest));
    return {{"cause", stopCauseName(stop.cause)}, {"closest", std::move(closest)}};
}

nlohmann::json stepRecord(const DecodeResult& step, Members members) {
    nlohmann::json details = nlohmann::json::object();
    for (const auto& [key, value] : step.details)
        details[key] = value;
    nlohmann::json record = {
        {"kind", detection_kind::rawValue(step.kind)},
        {"summary", step.summary},
        {"confidence", step.confidence},
        {"output", step.output},
        {"terminal", step.terminal},
        {"details", std::move(details)},
    };
    if (members == Members::extended) record["alternatives"] = alternativesRecord(step.alternatives);
    return record;
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

nlohmann::json chainRecord(const DecodeChain& chain, Members members) {
    nlohmann::json steps = nlohmann::json::array();
    for (std::size_t i = 0; i < chain.steps.size(); ++i) {
        steps.push_back(stepRecord(chain.steps[i], members));
        if (members != Members::extended) continue;
        if (auto bundle = CertificateBundle::ofStep(chain, i)) steps.back()["bundle"] = bundleRecord(*bundle);
    }
    nlohmann::json record = {
        {"input", chain.input},      {"recognized", chain.isRecognized()},
        {"shape", chain.shape()},    {"finalValue", chain.finalValue()},
        {"steps", std::move(steps)},
    };
    if (members == Members::extended) record["stopReason"] = stopRecord(chain.stop);
    return record;
}

namespace {

nlohmann::json findingRecord(const ScanFinding& finding, Members members) {
    return {
        {"line", finding.line},
        {"matchedText", finding.matchedText},
        {"shape", finding.chain.shape()},
        {"chain", chainRecord(finding.chain, members)},
    };
}

nlohmann::json scanRecord(const std::vector<ScanFinding>& findings, Members members) {
    nlohmann::json records = nlohmann::json::array();
    for (const ScanFinding& finding : findings)
        records.push_back(findingRecord(finding, members));
    return {{"count", findings.size()}, {"findings", std::move(records)}};
}

// Each finding sits two levels deep in the scan document. Strings never hold a raw line break, so
// every line break in the written record starts a line of it.
constexpr std::string_view entryIndent = "    ";

} // namespace

std::string writeRecord(const nlohmann::json& record, bool pretty) {
    if (hasNonFiniteNumber(record)) return "{}";
    return JSONUtil::write(record, pretty).value_or("{}");
}

std::string string(const DecodeChain& chain, Members members) {
    return writeRecord(chainRecord(chain, members), true);
}

std::string string(const std::vector<ScanFinding>& findings, Members members) {
    return writeRecord(scanRecord(findings, members), true);
}

std::optional<std::string> findingEntry(const ScanFinding& finding, Members members) {
    nlohmann::json record = findingRecord(finding, members);
    if (hasNonFiniteNumber(record)) return std::nullopt;
    std::optional<std::string> text = JSONUtil::write(record, true);
    if (!text) return std::nullopt;
    std::string entry(entryIndent);
    for (char c : *text) {
        entry += c;
        if (c == '\n') entry += entryIndent;
    }
    return entry;
}

std::string scanOpening(std::size_t count) {
    return "{\n  \"count\": " + std::to_string(count) + ",\n  \"findings\": [" + (count ? "\n" : "");
}

std::string scanClosing(std::size_t count) {
    return count ? "\n  ]\n}" : "]\n}";
}

std::string compactString(const DecodeChain& chain, Members members) {
    return writeRecord(chainRecord(chain, members), false);
}

} // namespace tindrel::TindrelJSON
