#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/formats/X509.h"
#include "TindrelCore/tests/SourceFiles.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/DateText.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string tlv(std::uint8_t tag, std::string_view content) {
    std::string out(1, static_cast<char>(tag));
    if (content.size() < 0x80) {
        out += static_cast<char>(content.size());
    } else {
        out += static_cast<char>(0x82);
        out += static_cast<char>(content.size() >> 8);
        out += static_cast<char>(content.size() & 0xFF);
    }
    return out + std::string(content);
}

const std::string commonNameOID = tlv(0x06, "\x55\x04\x03");
const std::string organizationOID = tlv(0x06, "\x55\x04\x0A");

std::string attribute(const std::string& oid, std::uint8_t tag, std::string_view value) {
    return tlv(0x31, tlv(0x30, oid + tlv(tag, value)));
}

std::optional<std::string> commonNameOf(const std::string& rdns) {
    return X509::commonName(rdns, {0, std::int64_t(rdns.size())});
}

std::optional<std::string> timeText(std::uint8_t tag, std::string_view text) {
    const std::string buffer = tlv(tag, text);
    std::optional<double> time = X509::parseTime(buffer, DER::read(buffer, 0)->node);
    if (!time) return std::nullopt;
    return DateText::iso8601(*time);
}

} // namespace

TEST(X509, CommonNameIsDecodedByItsStringType) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        std::uint8_t tag;
        std::string value;
        std::optional<std::string> expected;
    } cases[] = {
        {"UTF8String", 0x0C, "api.example", "api.example"},
        {"UTF8String, non-ASCII", 0x0C, "Zo\u00EB", "Zo\u00EB"},
        {"PrintableString", 0x13, "Root CA", "Root CA"},
        {"BMPString", 0x1E, "\0A\0B"s, "AB"},
        {"BMPString, surrogate pair", 0x1E, "\x00\xE9\xD8\x3D\xDD\x12"s, "\u00E9\U0001F512"},
        {"BMPString, odd length", 0x1E, "\0A\0"s, std::nullopt},
        {"BMPString, lone high surrogate", 0x1E, "\xD8\x3D\0A"s, std::nullopt},
        {"BMPString, lone low surrogate", 0x1E, "\xDD\x12"s, std::nullopt},
        {"UniversalString", 0x1C, "\0\0\0A\0\0\0B"s, "AB"},
        {"UniversalString, astral", 0x1C, "\0\x01\xF5\x12"s, "\U0001F512"},
        {"UniversalString, beyond Unicode", 0x1C, "\0\x11\0\0"s, std::nullopt},
        {"UniversalString, ragged length", 0x1C, "\0\0\0A\0"s, std::nullopt},
        {"UTF8String, invalid", 0x0C, "caf\xE9", std::nullopt},
        {"T61String keeps the UTF-8 reading", 0x14, "caf\xE9", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commonNameOf(attribute(commonNameOID, c.tag, c.value)), c.expected) << c.name;
}

TEST(X509, FirstCommonNameDecides) {
    const std::string org = attribute(organizationOID, 0x0C, "Org");
    const std::string first = attribute(commonNameOID, 0x0C, "first");
    const std::string second = attribute(commonNameOID, 0x0C, "second");
    const std::string invalid = attribute(commonNameOID, 0x0C, "\xFF");
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

TEST(X509, TimesAreReadLeniently) {
    struct Case {
        const char* name;
        std::uint8_t tag;
        std::string text;
        std::optional<std::string> expected;
    } cases[] = {
        {"UTCTime", 0x17, "250512235900Z", "2025-05-12T23:59:00Z"},
        {"UTCTime year 49", 0x17, "491231235959Z", "2049-12-31T23:59:59Z"},
        {"UTCTime year 50", 0x17, "500101000000Z", "1950-01-01T00:00:00Z"},
        {"UTCTime without seconds", 0x17, "3001020304Z", "2030-01-02T03:04:00Z"},
        {"UTCTime with an offset", 0x17, "300102030405+0200", "2030-01-02T03:04:05Z"},
        {"GeneralizedTime", 0x18, "20810908115956Z", "2081-09-08T11:59:56Z"},
        {"GeneralizedTime with a fraction", 0x18, "20300102030405.123Z", "2030-01-02T03:04:05Z"},
        {"unparsable seconds count as 0", 0x18, "203001020304xxZ", "2030-01-02T03:04:00Z"},
        {"month 13 rolls over", 0x18, "20301301000000Z", "2031-01-01T00:00:00Z"},
        {"day 32 rolls over", 0x18, "20300132000000Z", "2030-02-01T00:00:00Z"},
        {"signed field", 0x18, "2030+1010000000Z", "2030-01-01T00:00:00Z"},
        {"Z anywhere is dropped", 0x17, "Z3001020304Z05", "2030-01-02T03:04:05Z"},
        {"minute missing", 0x17, "30010203Z", std::nullopt},
        {"letters in the day", 0x18, "203001xx000000Z", std::nullopt},
        {"double sign", 0x18, "+-30010100000000Z", std::nullopt},
        {"non-ASCII", 0x17, "3001020304\xC3\xA9", std::nullopt},
        {"other tag", 0x04, "300102030405Z", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeText(c.tag, c.text), c.expected) << c.name;
}

TEST(X509, EveryTruncationOfACertificateIsRefused) {
    std::optional<std::string> pem = fixtures::testData("x509/leaf-san.pem");
    ASSERT_TRUE(pem);
    std::string der = *Bytes::base64Decode(firstPEMBlock(*pem)->body);
    ASSERT_TRUE(X509::parse(der));
    for (std::size_t size = 0; size < der.size(); ++size)
        EXPECT_FALSE(X509::parse(std::string_view(der).substr(0, size))) << size;
}
