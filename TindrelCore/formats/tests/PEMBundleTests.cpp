// Bundles made of the certificates in tests/data/x509/bundle, checked against what openssl printed
// for each of them (facts.tsv, recorded by make.sh).
#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/formats/PEMBundle.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/DateText.h"

#include <gtest/gtest.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/x509.h>
#include <set>
#include <tuple>

using namespace tindrel;

namespace tindrel::X509 {
void PrintTo(const PublicKey& key, std::ostream* out) {
    *out << key.type << " " << (key.bits ? std::to_string(*key.bits) : "-");
}
} // namespace tindrel::X509

namespace {

// A certificate that the lenient reader still reads but libcrypto refuses: the signature's BIT
// STRING is relabelled an OCTET STRING.
std::string unreadableSignature(const std::string& pem) {
    std::optional<PEMBlock> block = firstPEMBlock(pem);
    std::string der = Bytes::base64Decode(block ? block->body : "").value_or("");
    const std::size_t signature = der.size() - 261; // 03 82 01 01, then 257 bytes of RSA signature
    if (der.size() < 261 || der.substr(signature, 4) != "\x03\x82\x01\x01") return {};
    der[signature] = '\x04';
    return "-----BEGIN CERTIFICATE-----\n" + Bytes::base64Encode(der) + "\n-----END CERTIFICATE-----\n";
}

// Each block as "c" (a certificate), "C" (an expired one), "k" (a key libcrypto reads) or "-"
// (anything else), then the block that expires first, then the status of each link.
std::string summaryOf(const PEMBundle::Bundle& bundle) {
    static constexpr const char* statuses[] = {"linked", "signatureMismatch", "nameMismatch", "unchecked"};
    std::string text = bundle.blocks.empty() ? "none" : "";
    for (const PEMBundle::Block& block : bundle.blocks)
        text += block.certificate ? (block.certificate->expired ? 'C' : 'c') : block.key ? 'k' : '-';
    text += " expires " + (bundle.expiresFirst ? std::to_string(*bundle.expiresFirst) : "-");
    for (const PEMBundle::Link& link : bundle.links)
        text += std::string(" ") + statuses[int(link.status)];
    return text;
}

// libcrypto's own account of a certificate's key, named the way the bundle names keys.
std::optional<tindrel::X509::PublicKey> libcryptoKey(const std::string& der) {
    const auto* p = reinterpret_cast<const unsigned char*>(der.data());
    std::unique_ptr<::X509, void (*)(::X509*)> certificate(d2i_X509(nullptr, &p, long(der.size())),
                                                           X509_free);
    const EVP_PKEY* key = certificate ? X509_get0_pubkey(certificate.get()) : nullptr;
    if (!key) return std::nullopt;
    tindrel::X509::PublicKey facts{EVP_PKEY_get0_type_name(key), EVP_PKEY_get_bits(key)};
    char group[80] = {};
    if (EVP_PKEY_get_group_name(key, group, sizeof group, nullptr) == 1) {
        const char* nist = EC_curve_nid2nist(OBJ_sn2nid(group));
        facts.type += std::string(" ") + (nist ? nist : group);
    }
    return facts;
}

} // namespace

TEST(PEMBundle, KeyFactsMatchLibcryptoForTheSystemBundle) {
    std::optional<std::string> text = fixtures::readFile("/etc/ssl/certs/ca-certificates.crt");
    if (!text) GTEST_SKIP() << "no system CA bundle";
    std::set<std::string> types;
    for (const PEMBlock& block : allPEMBlocks(*text, PEMBundle::maxBlocks).blocks) {
        std::string der = Bytes::base64Decode(block.body).value_or("");
        std::optional<tindrel::X509::Layout> layout = tindrel::X509::layout(der);
        ASSERT_TRUE(layout && layout->subjectPublicKeyInfo) << block.body.substr(0, 40);
        std::optional<tindrel::X509::PublicKey> key =
            tindrel::X509::publicKey(der, *layout->subjectPublicKeyInfo);
        EXPECT_EQ(key, libcryptoKey(der)) << block.body.substr(0, 40);
        types.insert(key ? key->type : "?");
    }
    EXPECT_GE(types.size(), 2u); // RSA and at least one curve
}

// facts.tsv: file, SHA-256 fingerprint, notAfter, subject CN, issuer CN, key bits.
TEST(PEMBundle, EachCertificateMatchesOpenSSL) {
    Clock::Pinned now(fixtures::bundleNow);
    std::vector<fixtures::Row> rows = fixtures::table("x509/bundle/facts.tsv");
    ASSERT_EQ(rows.size(), 5u);
    std::string text;
    for (const fixtures::Row& row : rows)
        text += "log line between blocks\n" + fixtures::bundleOf({row[0]});
    PEMBundle::Bundle bundle = PEMBundle::read(text);
    ASSERT_EQ(bundle.blocks.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const fixtures::Row& row = rows[i];
        ASSERT_TRUE(bundle.blocks[i].certificate && bundle.blocks[i].certificate->key) << row.where;
        const PEMBundle::Certificate& c = *bundle.blocks[i].certificate;
        EXPECT_EQ(std::tuple(c.sha256, DateText::iso8601(c.facts.notAfter.value_or(0)), c.facts.subjectCN,
                             c.facts.issuerCN, std::to_string(c.key->bits.value_or(0))),
                  std::tuple(row[1], row[2], std::optional(row[3]), std::optional(row[4]), row[5]))
            << row.where;
        EXPECT_EQ(bundle.blocks[i].label + " " + c.key->type,
                  row[0] == "leaf.pem" ? "CERTIFICATE EC P-256" : "CERTIFICATE RSA");
    }
    EXPECT_EQ(bundle.blocks[4].certificate->facts.sanDNS,
              (std::vector<std::string>{"leaf.tindrel.test", "www.tindrel.test"}));
    EXPECT_EQ(bundle.blocks[4].certificate->daysLeft, 365); // until 2026-06-01
}

TEST(PEMBundle, LinksKindsAndEarliestExpiry) {
    Clock::Pinned now(fixtures::bundleNow);
    for (const fixtures::Row& row : fixtures::table("x509/bundle/links.tsv")) {
        PEMBundle::Bundle bundle = PEMBundle::read(row[0]);
        EXPECT_EQ(summaryOf(bundle), row[1]) << row.where;
        EXPECT_TRUE(bundle.complete) << row.where;
    }
    const std::string intermediate = unreadableSignature(fixtures::bundleOf({"intermediate.pem"}));
    EXPECT_EQ(summaryOf(PEMBundle::read(fixtures::bundleOf({"leaf.pem"}) + intermediate)),
              "cc expires 0 unchecked");
}

TEST(PEMBundle, ReadsAtMostMaxBlocks) {
    std::string text;
    for (std::size_t i = 0; i <= PEMBundle::maxBlocks; ++i)
        text += "-----BEGIN DATA-----\nAAEC\n-----END DATA-----\n";
    PEMBundle::Bundle bundle = PEMBundle::read(text);
    EXPECT_EQ(bundle.blocks.size(), PEMBundle::maxBlocks);
    EXPECT_FALSE(bundle.complete);
    EXPECT_TRUE(PEMBundle::read(text.substr(text.find("-----BEGIN", 1))).complete);
}
