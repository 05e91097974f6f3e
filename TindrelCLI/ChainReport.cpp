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

// Summaries and details come from the input: shown() keeps them from driving a terminal.
void appendStep(std::string& out, std::size_t number, const DecodeResult& step, const Style& style) {
    std::string kind(detection_kind::rawValue(step.kind));
    out += fmt::format("{}. {} {}  {}\n", number, style.bold(kind),
                       style.dim(fmt::format("({:.0f}%)", step.confidence * 100)), shown(step.summary));
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

void writeChainReport(const DecodeChain& chain, const Style& style,
                      const std::function<void(std::string_view)>& write) {
    if (!chain.isRecognized()) {
        write("Not recognized\n");
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
    write("\n");
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

} // namespace tindrel::cli
