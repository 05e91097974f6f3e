#include "TindrelCore/formats/Deflate.h"
#include "TindrelCore/tests/CompressionFixtures.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Bytes.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tindrel;
using fixtures::withByte;

namespace {

const std::string json = R"({"user":"ada","roles":["admin","ops"],"active":true})";

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

TEST(Deflate, StripGzipWalksTheHeaderFlags) {
    const std::string member = fixtures::gzipMember(json);
    struct Case {
        const char* name;
        std::string member;
        bool accepted;
    } cases[] = {
        {"plain", member, true},
        {"file name", fixtures::gzipMember(json, {.name = "payload.json"}), true},
        {"comment", fixtures::gzipMember(json, {.comment = "made for a test"}), true},
        {"extra field", fixtures::gzipMember(json, {.extra = std::string("AB\x02\x00hi", 6)}), true},
        {"header CRC", fixtures::gzipMember(json, {.headerCRC = true}), true},
        {"every flag",
         fixtures::gzipMember(json, {.name = "n", .comment = "c", .extra = "xyz", .headerCRC = true}), true},
        {"wrong CRC-32", fixtures::gzipMember(json, {.crc = 0x12345678}), true},
        {"17 bytes", member.substr(0, 17), false},
        {"first magic byte", withByte(member, 0, 0x1E), false},
        {"second magic byte", withByte(member, 1, '\x8A'), false},
        {"method not deflate", withByte(member, 2, 7), false},
        {"name running past the end", withByte(member.substr(0, 18), 3, 8), false},
        {"extra field longer than the data", withByte(withByte(member, 3, 4), 11, '\xFF'), false},
        {"zlib stream", fixtures::zlibStream(json), false},
    };
    for (const Case& c : cases) {
        std::optional<Deflate::GzipMember> stripped = Deflate::stripGzip(c.member);
        ASSERT_EQ(stripped.has_value(), c.accepted) << c.name;
        if (stripped) {
            EXPECT_EQ(stripped->body, fixtures::rawDeflate(json)) << c.name;
            EXPECT_EQ(stripped->isize, json.size()) << c.name;
        }
    }
}

TEST(Deflate, StripZlibChecksTheHeader) {
    const std::string stream = fixtures::zlibStream(json);
    struct Case {
        const char* name;
        std::string bytes;
        bool accepted;
    } cases[] = {
        {"best compression header", stream, true},
        {"default header", withByte(withByte(stream, 0, 0x78), 1, '\x9C'), true},
        {"small window, not examined", withByte(withByte(stream, 0, 0x08), 1, 0x1D), true},
        {"check fails", withByte(stream, 1, '\xDB'), false},
        {"preset dictionary", withByte(withByte(stream, 0, 0x78), 1, '\xBB'), false},
        {"method not deflate", withByte(withByte(stream, 0, 0x79), 1, 0x18), false},
        {"5 bytes", stream.substr(0, 5), false},
    };
    for (const Case& c : cases) {
        std::optional<Bytes::Buffer> body = Deflate::stripZlib(c.bytes);
        ASSERT_EQ(body.has_value(), c.accepted) << c.name;
        if (body) {
            EXPECT_EQ(*body, fixtures::rawDeflate(json)) << c.name;
        }
    }
}

TEST(Deflate, InflateGivesTheWholeOutputWhateverTheHint) {
    std::string text;
    for (int i = 0; text.size() < 300000; ++i)
        text += "line " + std::to_string(i * 7919 % 100003) + "\n";
    const std::string body = fixtures::rawDeflate(text);
    const std::optional<std::uint64_t> hints[] = {
        std::nullopt, 0, 1, 64, 65, text.size() - 1, text.size(), text.size() + 1, Deflate::outputLimit - 1};
    for (std::optional<std::uint64_t> hint : hints)
        EXPECT_EQ(Deflate::inflate(body, hint), text) << hint.value_or(12345);
}

TEST(Deflate, InflateRefusesBrokenAndEmptyStreams) {
    const std::string body = fixtures::rawDeflate(json);
    // Empty, inflating to nothing, truncated, of the reserved block type, with the zlib header left on.
    for (const std::string& broken :
         {std::string(), fixtures::rawDeflate(""), body.substr(0, body.size() / 2),
          std::string("\x07\x00", 2), fixtures::zlibStream(json)})
        EXPECT_FALSE(Deflate::inflate(broken)) << fixtures::hexOf(broken);
}

TEST(Deflate, OutputIsCappedJustBelowSixteenMebibytesUnlessASizeFieldVouches) {
    const std::string largest(Deflate::outputLimit - 1, 'a');
    const std::string tooLarge(Deflate::outputLimit, 'a');
    std::optional<Bytes::Buffer> fits = Deflate::inflate(fixtures::rawDeflate(largest));
    ASSERT_TRUE(fits);
    EXPECT_EQ(fits->size(), largest.size());
    EXPECT_FALSE(Deflate::inflate(fixtures::rawDeflate(tooLarge)));
    std::optional<Bytes::Buffer> vouched = Deflate::inflate(fixtures::rawDeflate(tooLarge), tooLarge.size());
    ASSERT_TRUE(vouched);
    EXPECT_EQ(vouched->size(), tooLarge.size());
}

TEST(Deflate, ASizeFieldBeyondTheCapMustBeExact) {
    const std::string text = fixtures::repetitiveText(17000000);
    const std::string body = fixtures::rawDeflate(text);
    struct Case {
        const char* name;
        std::optional<std::uint64_t> hint;
        bool accepted;
    } cases[] = {
        {"accurate", text.size(), true},
        {"no size field", std::nullopt, false},
        {"lying low, below the cap", 100, false},
        {"lying low by one", text.size() - 1, false},
        {"lying high by one", text.size() + 1, false},
        {"lying high, at the bound", Deflate::vouchedOutputLimit, false},
    };
    for (const Case& c : cases) {
        std::optional<Bytes::Buffer> out = Deflate::inflate(body, c.hint);
        ASSERT_EQ(out.has_value(), c.accepted) << c.name;
        if (out) {
            EXPECT_TRUE(*out == text) << c.name;
        }
    }
}

TEST(Deflate, BombsAreRefusedWithoutFollowingTheirSizeField) {
    const long before = peakResidentKilobytes();
    // About 1 MB of deflate that really expands to 1 GiB, with an honest size field.
    const std::string gigabyte = fixtures::gzipAround(fixtures::zeroBomb(1024), 1u << 30);
    std::optional<Deflate::GzipMember> member = Deflate::stripGzip(gigabyte);
    ASSERT_TRUE(member);
    EXPECT_FALSE(Deflate::inflate(member->body, member->isize));
    // About 10 KB that holds 10 MiB but claims 4 GiB.
    const std::string claim = fixtures::gzipAround(fixtures::zeroBomb(10), 0xFFFFFFFF);
    member = Deflate::stripGzip(claim);
    ASSERT_TRUE(member);
    EXPECT_LT(member->body.size(), 12000u);
    EXPECT_FALSE(Deflate::inflate(member->body, member->isize));
    EXPECT_LT(peakResidentKilobytes() - before, 200 * 1024);
}

TEST(Deflate, ASizeFieldVouchesForAtMostTwoHundredFiftySixMebibytes) {
    const std::size_t mebibyte = 1 << 20;
    std::optional<Bytes::Buffer> largest =
        Deflate::inflate(fixtures::zeroBomb(256), Deflate::vouchedOutputLimit);
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->size(), 256 * mebibyte);
    largest.reset();
    EXPECT_FALSE(Deflate::inflate(fixtures::zeroBomb(257), 257 * mebibyte));
}
