#include "TindrelReport/ResultExport.h"

#include "TindrelReport/DecodedSummary.h"

namespace tindrel::ResultExport {
namespace {

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) out += separator;
        out += part;
    }
    return out;
}

void appendTitle(std::string& out, const DecodedSummary& summary) {
    out += "# " + summary.kindLabel;
    if (summary.status) out += " \u2014 " + summary.status->text;
    out += "\n\n";
}

void appendPath(std::string& out, const DecodedSummary& summary) {
    if (summary.path.size() < 2) return;
    out += "**Decode path:** `" + joined(summary.path, " \u2192 ") + "`\n\n";
}

void appendFacts(std::string& out, const DecodedSummary& summary) {
    if (summary.facts.empty()) return;
    out += "## Facts\n";
    for (const DecodedSummary::Fact& fact : summary.facts)
        out += "- **" + fact.label + ":** " + fact.value + "\n";
    out += "\n";
}

void appendPayload(std::string& out, const DecodedSummary& summary) {
    if (summary.payload.empty()) return;
    out += summary.payloadIsStructured ? "## Decoded payload\n" : "## Final value\n";
    out += "```\n" + summary.payload + "\n```\n\n";
}

void appendInsight(std::string& out, std::optional<std::string_view> explanation) {
    if (!explanation || explanation->empty()) return;
    out += "## Insight\n";
    out += *explanation;
    out += "\n\n";
}

void appendNextSteps(std::string& out, const std::vector<std::string>& nextSteps) {
    if (nextSteps.empty()) return;
    out += "**What to do next**\n";
    for (const std::string& step : nextSteps)
        out += "- " + step + "\n";
    out += "\n";
}

} // namespace

std::string markdown(const DecodeChain& chain, std::optional<std::string_view> explanation,
                     const std::vector<std::string>& nextSteps, const MediumDateFormatter& mediumDate) {
    DecodedSummary summary(chain, mediumDate);
    std::string out;
    appendTitle(out, summary);
    appendPath(out, summary);
    appendFacts(out, summary);
    appendPayload(out, summary);
    appendInsight(out, explanation);
    appendNextSteps(out, nextSteps);
    out += "_Decoded on-device with Tindrel \u2014 nothing left this Mac._\n";
    return out;
}

} // namespace tindrel::ResultExport
