#include "TindrelCLI/BundleListing.h"

#include "TindrelCLI/TerminalSafe.h"
#include "TindrelCore/knowledge/CertificateBundle.h"

#include <fmt/format.h>

namespace tindrel::cli {
namespace {

using namespace CertificateBundle;

constexpr std::size_t factWidth = 9; // "validity" and "SHA-256" line up

void appendFact(std::string& out, std::string_view name, std::string_view value, const Style& style) {
    out += fmt::format("      {} {}\n", style.cyan(fmt::format("{:<{}}", name, factWidth)), value);
}

// Names, SANs and labels come from the input: shown() keeps them from driving a terminal.
void appendCertificate(std::string& out, const PEMBundle::Certificate& certificate, const Style& style) {
    appendFact(out, "validity", shown(validity(certificate)), style);
    if (!certificate.facts.sanDNS.empty()) {
        std::string sans;
        for (const std::string& name : certificate.facts.sanDNS)
            sans += (sans.empty() ? "" : ", ") + name;
        appendFact(out, "SAN", shown(sans), style);
    }
    if (certificate.key) appendFact(out, "key", keyText(*certificate.key), style);
    appendFact(out, "SHA-256", certificate.sha256, style);
}

void appendBlock(std::string& out, const PEMBundle::Bundle& bundle, std::size_t index, const Style& style) {
    const PEMBundle::Block& block = bundle.blocks[index];
    const std::string certificateOrSize = block.certificate ? names(*block.certificate) : blockSize(block);
    out += fmt::format("   {} {}  {}\n", style.bold(blockName(index)), shown(block.label),
                       shown(certificateOrSize));
    if (!block.certificate) return;
    appendCertificate(out, *block.certificate, style);
    for (const PEMBundle::Link& link : bundle.links)
        if (link.issued == index) appendFact(out, "link", linkText(link), style);
}

} // namespace

std::string bundleListing(const DecodeChain& chain, std::size_t index, const Style& style) {
    std::optional<PEMBundle::Bundle> bundle = ofStep(chain, index);
    if (!bundle) return {};
    std::string out = fmt::format("   {} {}\n", style.bold("Bundle:"), overview(*bundle));
    for (std::size_t i = 0; i < bundle->blocks.size(); ++i)
        appendBlock(out, *bundle, i, style);
    if (std::optional<std::string> first = expiresFirst(*bundle))
        out += fmt::format("   {} {}\n", style.bold("Expires first:"), shown(*first));
    return out;
}

} // namespace tindrel::cli
