#include "TindrelCore/knowledge/CertificateBundle.h"

#include "TindrelCore/text/DateText.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>

namespace tindrel::CertificateBundle {
namespace {

using PEMBundle::Block;
using PEMBundle::Bundle;
using PEMBundle::Certificate;
using PEMBundle::LinkStatus;

std::string counted(std::size_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string commonName(const std::optional<std::string>& name) {
    return "CN=" + name.value_or("?");
}

std::string dateText(const std::optional<double>& instant) {
    return instant ? DateText::iso8601(*instant) : "?";
}

std::string status(const Certificate& certificate) {
    const std::int64_t days = *certificate.daysLeft;
    if (certificate.expired) {
        if (days == 0) return "EXPIRED today";
        return "EXPIRED " + counted(static_cast<std::size_t>(-days), "day") + " ago";
    }
    std::string left = days == 0 ? "expires today" : counted(static_cast<std::size_t>(days), "day") + " left";
    return certificate.notYetValid ? "not yet valid, " + left : left;
}

std::string certificateName(const Bundle& bundle, std::size_t index) {
    return "certificate " + blockName(index) + " of the bundle (" +
           commonName(bundle.blocks[index].certificate->facts.subjectCN) + ")";
}

std::vector<std::size_t> expiredCertificates(const Bundle& bundle, bool includeFirstBlock) {
    std::vector<std::size_t> expired;
    for (std::size_t i = includeFirstBlock ? 0 : 1; i < bundle.blocks.size(); ++i)
        if (bundle.blocks[i].certificate && bundle.blocks[i].certificate->expired) expired.push_back(i);
    return expired;
}

const PEMBundle::Link* firstSignatureMismatch(const Bundle& bundle) {
    for (const PEMBundle::Link& link : bundle.links)
        if (link.status == LinkStatus::signatureMismatch) return &link;
    return nullptr;
}

} // namespace

std::optional<Bundle> ofStep(const DecodeChain& chain, std::size_t index) {
    if (index >= chain.steps.size() || chain.steps[index].kind != DetectionKind::pem) return std::nullopt;
    std::string_view text = index == 0 ? Text::trim(chain.input) : chain.steps[index - 1].output;
    Bundle bundle = PEMBundle::read(text);
    if (bundle.blocks.size() < 2) return std::nullopt;
    return bundle;
}

std::string blockName(std::size_t index) {
    return "#" + std::to_string(index + 1);
}

std::string overview(const Bundle& bundle) {
    std::string text =
        counted(bundle.blocks.size(), "block") + ", " + counted(bundle.certificateCount(), "certificate");
    if (!bundle.complete) text += " (the first " + std::to_string(PEMBundle::maxBlocks) + " blocks only)";
    return text;
}

std::string names(const Certificate& certificate) {
    return commonName(certificate.facts.subjectCN) + ", issued by " + commonName(certificate.facts.issuerCN);
}

std::string validity(const Certificate& certificate) {
    std::string text =
        dateText(certificate.facts.notBefore) + " \u2192 " + dateText(certificate.facts.notAfter);
    if (certificate.daysLeft) text += ", " + status(certificate);
    return text;
}

std::string keyText(const PEMBundle::Key& key) {
    return key.bits ? key.type + ", " + std::to_string(*key.bits) + " bits" : key.type;
}

std::string blockSize(const Block& block) {
    std::string text = std::to_string(block.derBytes) + " bytes DER";
    if (block.key) text += ", " + keyText(*block.key);
    return text;
}

std::string linkText(const PEMBundle::Link& link) {
    const std::string next = blockName(link.issuer);
    switch (link.status) {
    case LinkStatus::linked:
        return "issued by " + next + " \u2014 name and signature match";
    case LinkStatus::signatureMismatch:
        return "not issued by " + next + " \u2014 the issuer name matches but the signature does not verify";
    case LinkStatus::nameMismatch:
        return "not issued by " + next + " \u2014 the issuer name is not its subject";
    case LinkStatus::unchecked:
        break;
    }
    return "link to " + next + " not checked \u2014 a certificate that cannot be read in full";
}

std::optional<std::string> expiresFirst(const Bundle& bundle) {
    if (!bundle.expiresFirst) return std::nullopt;
    const Certificate& certificate = *bundle.blocks[*bundle.expiresFirst].certificate;
    return blockName(*bundle.expiresFirst) + " " + commonName(certificate.facts.subjectCN) + " on " +
           dateText(certificate.facts.notAfter);
}

bool needsAttention(const Bundle& bundle) {
    return !expiredCertificates(bundle, true).empty() || firstSignatureMismatch(bundle);
}

std::vector<std::string> nextSteps(const Bundle& bundle, bool includeFirstBlock) {
    std::vector<std::string> texts;
    if (std::vector<std::size_t> expired = expiredCertificates(bundle, includeFirstBlock); !expired.empty()) {
        std::string text = "Renew " + certificateName(bundle, expired.front()) + " \u2014 it ";
        if (expired.size() > 1) text += "and " + counted(expired.size() - 1, "more certificate") + " ";
        texts.push_back(text + (expired.size() > 1 ? "have" : "has") + " expired.");
    }
    if (const PEMBundle::Link* link = firstSignatureMismatch(bundle))
        texts.push_back("Replace " + certificateName(bundle, link->issuer) +
                        " \u2014 it bears the issuer name of " + blockName(link->issued) +
                        " but did not sign it.");
    return texts;
}

} // namespace tindrel::CertificateBundle
