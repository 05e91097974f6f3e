// Bundles made of the certificates in tests/data/x509/bundle, checked against what openssl printed
// for each of them (facts.tsv, recorded by make.sh).
#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/formats/PEMBundle.h"
#include "TindrelCore/tests/BundleFixtures.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/DateText.h"

#include <gtest/gtest.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/x509.h>
#include <set>
#include <sstream>

using namespace tindrel;
using PEMBundle::LinkStatus;

namespace tindrel::X509 {
void PrintTo(const PublicKey& key, std::ostream* out) {
    *out << key.type << " " << (key.bits ? std::to_string(*key.bits) : "-");
}
} // namespace tindrel::X509

namespace {

struct OpenSSLFacts {
    std::string file, sha256, notAfter, subjectCN, issuerCN, keyBits;
};

std::vector<OpenSSLFacts> recordedFacts() {
    std::vector<OpenSSLFacts> rows;
    std::istringstream lines(fixtures::testData("x509/bundle/facts.tsv").value_or(""));
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        for (std::string field; std::getline(columns, field, '\t');)
            fields.push_back(field);
        fields.resize(6);
        rows.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    }
    return rows;
}

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

std::vector<LinkStatus> statuses(const PEMBundle::Bundle& bundle) {
    std::vector<LinkStatus> result;
    for (const PEMBundle::Link& link : bundle.links)
        result.push_back(link.status);
    return result;
}

// "c" a certificate, "C" an expired one, "k" a key libcrypto reads, "-" anything else.
std::string blockKinds(const PEMBundle::Bundle& bundle) {
    std::string kinds;
    for (const PEMBundle::Block& block : bundle.blocks)
        kinds += block.certificate ? (block.certificate->expired ? 'C' : 'c') : block.key ? 'k' : '-';
    return kinds;
}

// libcrypto's own account of a certificate's key, named the way the bundle names keys.
std::optional<X509::PublicKey> libcryptoKey(const std::string& der) {
    const auto* p = reinterpret_cast<const unsigned char*>(der.data());
    std::unique_ptr<::X509, void (*)(::X509*)> certificate(d2i_X509(nullptr, &p, long(der.size())),
                                                           X509_free);
    const EVP_PKEY* key = certificate ? X509_get0_pubkey(certificate.get()) : nullptr;
    if (!key) return std::nullopt;
    X509::PublicKey facts{EVP_PKEY_get0_type_name(key), EVP_PKEY_get_bits(key)};
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
        std::optional<X509::Layout> layout = X509::layout(der);
        ASSERT_TRUE(layout && layout->subjectPublicKeyInfo) << block.body.substr(0, 40);
        std::optional<X509::PublicKey> key = X509::publicKey(der, *layout->subjectPublicKeyInfo);
        EXPECT_EQ(key, libcryptoKey(der)) << block.body.substr(0, 40);
        types.insert(key ? key->type : "?");
    }
    EXPECT_GE(types.size(), 2u); // RSA and at least one curve
}

TEST(PEMBundle, EachCertificateMatchesOpenSSL) {
    Clock::Pinned now(fixtures::bundleNow);
    std::vector<OpenSSLFacts> rows = recordedFacts();
    ASSERT_EQ(rows.size(), 5u);
    std::string text;
    for (const OpenSSLFacts& row : rows)
        text += "log line between blocks\n" + fixtures::bundleOf({row.file});
    PEMBundle::Bundle bundle = PEMBundle::read(text);
    ASSERT_EQ(bundle.blocks.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OpenSSLFacts& row = rows[i];
        ASSERT_TRUE(bundle.blocks[i].certificate) << row.file;
        const PEMBundle::Certificate& certificate = *bundle.blocks[i].certificate;
        EXPECT_EQ(bundle.blocks[i].label, "CERTIFICATE") << row.file;
        EXPECT_EQ(certificate.sha256, row.sha256) << row.file;
        EXPECT_EQ(DateText::iso8601(certificate.facts.notAfter.value_or(0)), row.notAfter) << row.file;
        EXPECT_EQ(certificate.facts.subjectCN, row.subjectCN) << row.file;
        EXPECT_EQ(certificate.facts.issuerCN, row.issuerCN) << row.file;
        ASSERT_TRUE(certificate.key) << row.file;
        EXPECT_EQ(std::to_string(certificate.key->bits.value_or(0)), row.keyBits) << row.file;
        EXPECT_EQ(certificate.key->type, row.file == "leaf.pem" ? "EC P-256" : "RSA") << row.file;
    }
    EXPECT_EQ(bundle.blocks[4].certificate->facts.sanDNS,
              (std::vector<std::string>{"leaf.tindrel.test", "www.tindrel.test"}));
    EXPECT_EQ(bundle.blocks[4].certificate->daysLeft, 365); // until 2026-06-01
}

TEST(PEMBundle, LinksKindsAndEarliestExpiry) {
    Clock::Pinned now(fixtures::bundleNow);
    const std::string leaf = fixtures::bundleOf({"leaf.pem"});
    struct Case {
        const char* name;
        std::string text;
        std::string kinds;
        std::vector<LinkStatus> links;
        std::optional<std::size_t> expiresFirst;
    } cases[] = {
        {"fullchain",
         fixtures::bundleOf({"leaf.pem", "intermediate.pem", "root.pem"}),
         "ccc",
         {LinkStatus::linked, LinkStatus::linked},
         0},
        {"expired intermediate",
         fixtures::bundleOf({"leaf.pem", "expired-intermediate.pem", "root.pem"}),
         "cCc",
         {LinkStatus::linked, LinkStatus::linked},
         1},
        {"same issuer name, another key",
         fixtures::bundleOf({"leaf.pem", "impostor.pem"}),
         "cc",
         {LinkStatus::signatureMismatch},
         0},
        {"wrong order",
         fixtures::bundleOf({"root.pem", "intermediate.pem", "leaf.pem"}),
         "ccc",
         {LinkStatus::nameMismatch, LinkStatus::nameMismatch},
         2},
        {"key before its certificate", fixtures::bundleOf({"leaf.key", "leaf.pem"}), "kc", {}, 1},
        {"certificates link across a key",
         fixtures::bundleOf({"leaf.pem", "leaf.key", "intermediate.pem"}),
         "ckc",
         {LinkStatus::linked},
         0},
        {"libcrypto cannot read one",
         leaf + unreadableSignature(fixtures::bundleOf({"intermediate.pem"})),
         "cc",
         {LinkStatus::unchecked},
         0},
        {"request and a body that is not Base64",
         "-----BEGIN CERTIFICATE REQUEST-----\nAAEC\n-----END CERTIFICATE REQUEST-----\n"
         "-----BEGIN CERTIFICATE-----\nAAE\n-----END CERTIFICATE-----\n" +
             leaf,
         "-c",
         {},
         1},
        {"no block", "plain words", "", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        PEMBundle::Bundle bundle = PEMBundle::read(c.text);
        EXPECT_EQ(blockKinds(bundle), c.kinds) << c.name;
        EXPECT_EQ(statuses(bundle), c.links) << c.name;
        EXPECT_EQ(bundle.expiresFirst, c.expiresFirst) << c.name;
        EXPECT_TRUE(bundle.complete) << c.name;
    }
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
