#include "TindrelCore/detectors/PEMDetector.h"

#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/formats/X509.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/DateText.h"

namespace tindrel {
namespace {

constexpr double confidence = 0.95;

bool isCertificateLabel(std::string_view label) {
    return label.find("CERTIFICATE") != std::string_view::npos &&
           label.find("REQUEST") == std::string_view::npos;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += separator;
        text += parts[i];
    }
    return text;
}

DecodeResult certificateForm(const X509::CertificateFacts& facts, Details details) {
    std::vector<std::string> lines;
    std::string suffix;
    if (facts.subjectCN) {
        details["subject_cn"] = *facts.subjectCN;
        lines.push_back("subject: CN=" + *facts.subjectCN);
    }
    if (facts.issuerCN) {
        details["issuer_cn"] = *facts.issuerCN;
        lines.push_back("issuer: CN=" + *facts.issuerCN);
    }
    if (facts.notBefore) {
        details["not_before"] = DateText::iso8601(*facts.notBefore);
        lines.push_back("notBefore: " + details["not_before"]);
    }
    if (facts.notAfter) {
        const bool expired = *facts.notAfter < Clock::now();
        details["not_after"] = DateText::iso8601(*facts.notAfter);
        details["expired"] = expired ? "true" : "false";
        suffix = expired ? " EXPIRED" : " valid (not expired)";
        lines.push_back("notAfter: " + details["not_after"] + suffix);
    }
    if (!facts.sanDNS.empty()) {
        details["san_dns"] = joined(facts.sanDNS, ", ");
        lines.push_back("SAN: " + details["san_dns"]);
    }
    std::string summary = "X.509 certificate (CN=" + facts.subjectCN.value_or("?") + ")" + suffix;
    return DecodeResult{DetectionKind::pem, joined(lines, "\n"), confidence,
                        std::move(summary), std::move(details),  true};
}

DecodeResult genericForm(const std::string& label, const std::string& size, Details details) {
    return DecodeResult{DetectionKind::pem, label + " \u2014 " + size + " bytes DER",
                        confidence,         "PEM: " + label + " (" + size + " bytes DER)",
                        std::move(details), true};
}

} // namespace

std::optional<DecodeResult> PEMDetector::decode(std::string_view text) const {
    std::optional<PEMBlock> block = firstPEMBlock(text);
    if (!block) return std::nullopt;
    std::optional<Bytes::Buffer> der = Bytes::base64Decode(block->body);
    if (!der || der->empty()) return std::nullopt;

    const std::string size = std::to_string(der->size());
    Details details{{"label", block->label}, {"der_bytes", size}};
    if (isCertificateLabel(block->label))
        if (auto facts = X509::parse(*der)) return certificateForm(*facts, std::move(details));
    return genericForm(block->label, size, std::move(details));
}

} // namespace tindrel
