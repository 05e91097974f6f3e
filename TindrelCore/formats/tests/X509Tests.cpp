#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/formats/X509.h"
#include "TindrelCore/tests/Fixtures.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string tlv(std::uint8_t tag, std::string_view content) {
    return std::string(1, char(tag)) + char(content.size()) + std::string(content);
}

const std::string commonNameOID = tlv(0x06, "\x55\x04\x03");
const std::string organizationOID = tlv(0x06, "\x55\x04\x0A");

std::string attribute(const std::string& oid, std::string_view value) {
    return tlv(0x31, tlv(0x30, oid + tlv(0x0C, value)));
}

std::optional<std::string> commonNameOf(const std::string& rdns) {
    return X509::commonName(rdns, {0, std::int64_t(rdns.size())});
}

} // namespace

TEST(X509, FirstCommonNameDecides) {
    const std::string org = attribute(organizationOID, "Org");
    const std::string first = attribute(commonNameOID, "first");
    const std::string second = attribute(commonNameOID, "second");
    const std::string invalid = attribute(commonNameOID, "\xFF");
    const std::string threeParts = tlv(0x31, tlv(0x30, commonNameOID + tlv(0x0C, "x") + tlv(0x0C, "y")));
    const std::string multiValued = tlv(0x31, tlv(0x30, organizationOID + tlv(0x0C, "O")) +
                                                  tlv(0x30, commonNameOID + tlv(0x0C, "inside")));
    EXPECT_EQ(commonNameOf(org + first + second), "first");
    EXPECT_EQ(commonNameOf(invalid + second), std::nullopt);
    EXPECT_EQ(commonNameOf(threeParts + second), "second");
    EXPECT_EQ(commonNameOf(multiValued), "inside");
    EXPECT_EQ(commonNameOf(org), std::nullopt);
    EXPECT_EQ(commonNameOf(""), std::nullopt);
}

TEST(X509, EveryTruncationOfACertificateIsRefused) {
    std::string der = *Bytes::base64Decode(firstPEMBlock(fixtures::testData("x509/leaf-san.pem"))->body);
    ASSERT_TRUE(X509::parse(der));
    for (std::size_t size = 0; size < der.size(); ++size)
        EXPECT_FALSE(X509::parse(std::string_view(der).substr(0, size))) << size;
}
