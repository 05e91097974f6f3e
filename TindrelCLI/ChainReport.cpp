#include "TindrelCLI/ChainReport.h"

#include "TindrelCLI/BundleListing.h"
#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/knowledge/Explainer.h"

#include <fmt/format.h>

namespace tindrel::cli {
namespace {

std::string riskText(Explainer::RiskLevel level, const Style& style) {
    std::string name(Explainer::rawValue(level));
    switch (level) {
    case Explainer::RiskLevel::critical:
        return style.red(style.bold(name));
    case Explainer::RiskLevel::warning:
        return style.yellow(name);
    case Explainer::RiskLevel::info:
        break;
    }
    return style.green(name);
}

std::string percent(double confidence) {
    return fmt::format("{:.0f}%", confidence * 100);
}

// "Hash (80%), UUID (75%)": the kinds by their display names, most confident first.
std::string readingsText(const std::vector<Alternative>& alternatives) {
    std::string text;
    for (const Alternative& alternative : alternatives) {
        if (!text.empty()) text += ", ";
        text += fmt::format("{} ({})", detection_kind::displayName(alternative.kind),
                            percent(alternative.confidence));
    }
    return text;
}

// Summaries and details come from the input: shown() keeps them from driving a terminal.
void appendStep(std::string& out, std::size_t number, const DecodeResult& step, const Style& style) {
    std::string kind(detection_kind::rawValue(step.kind));
    out += fmt::format("{}. {} {}  {}\n", number, style.bold(kind),
                       style.dim("(" + percent(step.confidence) + ")"), shown(step.summary));
    if (!step.alternatives.empty())
        out += style.dim("   also possible: " + readingsText(step.alternatives)) + "\n";
    std::vector<std::pair<std::string, std::string>> details;
    std::size_t width = 0;
    for (const auto& [key, value] : step.details) {
        details.emplace_back(shown(key), shown(value));
        width = std::max(width, details.back().first.size());
    }
    for (const auto& [key, value] : details)
        out += fmt::format("   {}  {}\n", style.cyan(fmt::format("{:<{}}", key, width)), value);
}

} // namespace

std::string stopText(const DecodeChain& chain) {
    switch (chain.stop.cause) {
    case StopReason::Cause::terminal:
        return "stopped: the last step is final";
    case StopReason::Cause::repeatedText:
        return "stopped: the output repeats an earlier text";
    case StopReason::Cause::depthLimit:
        return fmt::format("stopped: {} steps, the limit", chain.steps.size());
    case StopReason::Cause::nothingRecognized:
        break;
    }
    std::string text =
        chain.isRecognized() ? "stopped: nothing else recognised" : "stopped: nothing recognised";
    if (const std::optional<Alternative>& closest = chain.stop.closest)
        text += fmt::format(" (closest: {}, {})", detection_kind::displayName(closest->kind),
                            percent(closest->confidence));
    return text;
}

void writeChainReport(const DecodeChain& chain, const Style& style,
                      const std::function<void(std::string_view)>& write) {
    if (!chain.isRecognized()) {
        write("Not recognized\n");
        // Only the closest miss says more than "Not recognized" already does.
        if (chain.stop.closest) write(style.dim(stopText(chain)) + "\n");
        return;
    }
    std::string out = fmt::format("{}\nRisk: {}\n\n", style.bold(chain.shapeText()),
                                  riskText(Explainer::riskLevel(chain), style));
    for (std::size_t i = 0; i < chain.steps.size(); ++i) {
        appendStep(out, i + 1, chain.steps[i], style);
        out += bundleListing(chain, i, style);
    }

    std::vector<std::string> nextSteps = Explainer::nextSteps(chain);
    if (!nextSteps.empty()) {
        out += "\n" + style.bold("Next steps") + "\n";
        for (const std::string& text : nextSteps)
            out += "  \u2022 " + shown(text) + "\n";
    }
    out += "\n" + style.bold("Final value") + "\n";
    write(out);
    writeShown(chain.finalValue(), write);
    write("\n\n" + style.dim(stopText(chain)) + "\n");
}

std::string chainReport(const DecodeChain& chain, const Style& style) {
    std::string out;
    writeChainReport(chain, style, [&out](std::string_view piece) { out += piece; });
    return out;
}

std::string chainLine(const DecodeChain& chain) {
    if (!chain.isRecognized()) return "not recognized";
    return chain.shapeText() + "\t" + shown(chain.steps.front().summary);
}

std::string indentedChainReport(const DecodeChain& chain, const Style& style) {
    std::string report = chainReport(chain, style);
    std::string out;
    std::size_t start = 0;
    while (start < report.size()) {
        std::size_t end = report.find('\n', start);
        end = end == std::string::npos ? report.size() : end + 1;
        if (end - start > 1) out += "    ";
        out.append(report, start, end - start);
        start = end;
    }
    return out + "\n";
}

} // namespace tindrel::cli
