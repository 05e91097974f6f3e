#include "TindrelCore/formats/X509.h"

#include "TindrelCore/formats/DirectoryString.h"
#include "TindrelCore/text/Text.h"

namespace tindrel::X509 {
namespace {

constexpr std::uint8_t sequenceTag = 0x30;
constexpr std::uint8_t objectIdentifierTag = 0x06;
constexpr std::uint8_t octetStringTag = 0x04;
constexpr std::uint8_t explicitVersionTag = 0xA0;
constexpr std::uint8_t extensionsTag = 0xA3;
constexpr std::uint8_t dnsNameTag = 0x82;
constexpr std::string_view commonNameOID = "\x55\x04\x03";
constexpr std::string_view subjectAltNameOID = "\x55\x1D\x11";

std::vector<DER::Node> childrenOf(std::string_view buffer, const DER::Node& node) {
    return DER::children(buffer, node.content);
}

const DER::Node* firstWithTag(const std::vector<DER::Node>& nodes, std::uint8_t tag) {
    for (const DER::Node& node : nodes)
        if (node.tag == tag) return &node;
    return nullptr;
}

// The GeneralNames of `extension` when it is the subject-alternative-name extension.
std::optional<std::vector<DER::Node>> altNames(std::string_view buffer, const DER::Node& extension) {
    std::vector<DER::Node> parts = childrenOf(buffer, extension);
    const DER::Node* oid = firstWithTag(parts, objectIdentifierTag);
    if (!oid || DER::contentOf(buffer, *oid) != subjectAltNameOID) return std::nullopt;
    const DER::Node* value = firstWithTag(parts, octetStringTag);
    if (!value) return std::nullopt;
    std::vector<DER::Node> wrapped = childrenOf(buffer, *value);
    if (wrapped.empty()) return std::nullopt;
    return childrenOf(buffer, wrapped.front());
}

std::vector<std::string> dnsNames(std::string_view buffer, const std::vector<DER::Node>& names) {
    std::vector<std::string> dns;
    for (const DER::Node& name : names) {
        if (name.tag != dnsNameTag) continue;
        std::string_view text = DER::contentOf(buffer, name);
        if (Text::isValidUTF8(text)) dns.emplace_back(text);
    }
    return dns;
}

// The TBSCertificate and its fields, numbered so that the issuer is fields[base].
struct TBS {
    DER::Node node;
    std::vector<DER::Node> fields;
    std::size_t base;
    std::int64_t fieldsStart;
};

std::optional<TBS> tbsOf(std::string_view der) {
    std::optional<DER::Element> certificate = DER::read(der, 0);
    if (!certificate || certificate->node.tag != sequenceTag) return std::nullopt;
    std::vector<DER::Node> parts = childrenOf(der, certificate->node);
    if (parts.empty() || parts.front().tag != sequenceTag) return std::nullopt;
    std::vector<DER::Node> fields = childrenOf(der, parts.front());
    const std::size_t base = !fields.empty() && fields.front().tag == explicitVersionTag ? 3 : 2;
    if (fields.size() <= base + 2) return std::nullopt;
    return TBS{parts.front(), std::move(fields), base, parts.front().content.lower};
}

// Field `index` with its tag and length: fields follow one another from the start of the contents.
DER::Range wholeField(const TBS& tbs, std::size_t index) {
    const std::int64_t start = index == 0 ? tbs.fieldsStart : tbs.fields[index - 1].content.upper;
    return {start, tbs.fields[index].content.upper};
}

} // namespace

std::optional<CertificateFacts> parse(std::string_view der) {
    std::optional<TBS> tbs = tbsOf(der);
    if (!tbs) return std::nullopt;
    const std::vector<DER::Node>& fields = tbs->fields;
    const std::size_t base = tbs->base;

    CertificateFacts facts;
    facts.issuerCN = commonName(der, fields[base].content);
    facts.subjectCN = commonName(der, fields[base + 2].content);
    std::vector<DER::Node> validity = childrenOf(der, fields[base + 1]);
    if (validity.size() >= 2) {
        facts.notBefore = parseTime(der, validity[0]);
        facts.notAfter = parseTime(der, validity[1]);
    }
    facts.sanDNS = subjectAltDNSNames(der, tbs->node.content);
    return facts;
}

std::optional<Layout> layout(std::string_view der) {
    std::optional<TBS> tbs = tbsOf(der);
    if (!tbs) return std::nullopt;
    Layout result{wholeField(*tbs, tbs->base), wholeField(*tbs, tbs->base + 2), std::nullopt};
    if (tbs->fields.size() > tbs->base + 3) result.subjectPublicKeyInfo = tbs->fields[tbs->base + 3].content;
    return result;
}

std::optional<std::string> commonName(std::string_view buffer, DER::Range name) {
    for (const DER::Node& rdn : DER::children(buffer, name)) {
        for (const DER::Node& attribute : childrenOf(buffer, rdn)) {
            std::vector<DER::Node> pair = childrenOf(buffer, attribute);
            if (pair.size() != 2 || pair[0].tag != objectIdentifierTag) continue;
            if (DER::contentOf(buffer, pair[0]) != commonNameOID) continue;
            return DirectoryString::decode(pair[1].tag, DER::contentOf(buffer, pair[1]));
        }
    }
    return std::nullopt;
}

std::vector<std::string> subjectAltDNSNames(std::string_view buffer, DER::Range tbsCertificate) {
    for (const DER::Node& wrapper : DER::children(buffer, tbsCertificate)) {
        if (wrapper.tag != extensionsTag) continue;
        std::vector<DER::Node> inner = childrenOf(buffer, wrapper);
        if (inner.empty()) continue;
        for (const DER::Node& extension : childrenOf(buffer, inner.front()))
            if (auto names = altNames(buffer, extension)) return dnsNames(buffer, *names);
    }
    return {};
}

} // namespace tindrel::X509
