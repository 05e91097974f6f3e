#include "TindrelReport/ResultExport.h"

#include "TindrelCore/Redaction.h"
#include "TindrelReport/DecodedSummary.h"

#include <algorithm>

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

// Longer than every run of backticks in `text`, and at least three, so that nothing inside can close
// the block early.
std::string fenceAround(std::string_view text) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (char c : text) {
        run = c == '`' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return std::string(std::max<std::size_t>(3, longest + 1), '`');
}

void appendFenced(std::string& out, std::string_view text) {
    const std::string fence = fenceAround(text);
    out += fence + "\n";
    out += text;
    out += "\n" + fence + "\n\n";
}

void appendPayload(std::string& out, const DecodedSummary& summary) {
    if (summary.payload.empty()) return;
    out += summary.payloadIsStructured ? "## Decoded payload\n" : "## Final value\n";
    appendFenced(out, summary.payload);
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
    out += "_Decoded on-device with Tindrel \u2014 nothing left this computer._\n";
    return out;
}

std::string redactedMarkdown(const DecodeChain& chain, std::optional<std::string_view> explanation,
                             const std::vector<std::string>& nextSteps, const MediumDateFormatter& mediumDate,
                             Redaction::Mode mode) {
    std::optional<std::string> shared;
    if (explanation) shared = Redaction::withoutSecretsOf(Redaction::redact(*explanation, mode), chain);
    std::string report = markdown(Redaction::redactedChain(chain, mode), shared, nextSteps, mediumDate);
    return Redaction::withoutSecretsOf(std::move(report), chain);
}

} // namespace tindrel::ResultExport
