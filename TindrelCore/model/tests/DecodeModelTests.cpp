#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/text/Bytes.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(DetectionKind, RawValuesRoundTripAndAreCaseSensitive) {
    ASSERT_EQ(detection_kind::allCases.size(), 20u);
    for (DetectionKind kind : detection_kind::allCases)
        EXPECT_EQ(detection_kind::fromRawValue(detection_kind::rawValue(kind)), kind);
    EXPECT_EQ(detection_kind::fromRawValue("unixTimestamp"), DetectionKind::unixTimestamp);
    EXPECT_EQ(detection_kind::fromRawValue("Base64"), std::nullopt);
    EXPECT_EQ(detection_kind::fromRawValue(""), std::nullopt);
    EXPECT_EQ(detection_kind::displayName(DetectionKind::pem), "Certificate");
    EXPECT_EQ(detection_kind::displayName(DetectionKind::queryString), "Query string");
}

TEST(DecodeChain, UnrecognisedChainKeepsItsUntrimmedInput) {
    DecodeChain chain{"  hello \n", {}};
    EXPECT_FALSE(chain.isRecognized());
    EXPECT_EQ(chain.finalValue(), "  hello \n");
    EXPECT_TRUE(chain.kinds().empty());
    EXPECT_TRUE(chain.shape().empty());
    EXPECT_EQ(chain.shapeText(), "");
}

TEST(DecodeChain, ShapeFollowsStepOrder) {
    DecodeResult first{DetectionKind::base64, "{}", 0.7, "", {}, false};
    DecodeResult second{DetectionKind::json, "{\n}", 0.95, "", {}, true};
    DecodeChain chain{"e30=", {first, second}};
    EXPECT_EQ(chain.finalValue(), "{\n}");
    EXPECT_EQ(chain.shape(), (std::vector<std::string>{"base64", "json"}));
    EXPECT_EQ(chain.shapeText(), "base64 \u2192 json");
}

TEST(Bytes, StrictHex) {
    EXPECT_EQ(Bytes::hex("abc"), std::nullopt);
    EXPECT_EQ(Bytes::hex(""), Bytes::Buffer());
    EXPECT_EQ(Bytes::hex("0aFF"), Bytes::Buffer("\x0a\xff"));
    EXPECT_EQ(Bytes::hex("zz00"), std::nullopt);
    EXPECT_EQ(Bytes::hex("0g"), std::nullopt);
}

TEST(Bytes, StrictBase64) {
    struct Case {
        std::string text;
        std::optional<std::string> bytes;
    } cases[] = {
        {"aGk=", "hi"},          {"aGkh", "hi!"},        {"aA==", "h"},
        {"aGk", std::nullopt},   {"a===", std::nullopt}, {"aG=k", std::nullopt},
        {"aGk =", std::nullopt}, {"====", std::nullopt}, {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Bytes::base64Decode(c.text), c.bytes) << c.text;
    EXPECT_EQ(Bytes::base64URLDecode("-_8"), Bytes::Buffer("\xfb\xff"));
    EXPECT_EQ(Bytes::base64URLDecode("abcde"), std::nullopt);
    for (std::string bytes : {"", "a", "ab", "abc", "\xff\x00\x10"})
        EXPECT_EQ(Bytes::base64Decode(Bytes::base64Encode(bytes)), bytes);
}

TEST(Bytes, FromWrapperTriesBase64ThenURLSafeThenHex) {
    struct Case {
        std::string text;
        std::optional<std::string> wrapper;
    } cases[] = {
        {"0a1b2c3", std::nullopt}, // seven characters, even though hex-like
        {"  aGVsbG8gd29ybGQ=  ", "base64"},
        {"0a1b2c3d", "base64"},      // hex digits, length a multiple of 4
        {"0a1b2c3d4e", "base64url"}, // hex digits, length 2 mod 4
        {"aGVsbG8-d29ybGQ", "base64url"},
        {"aGVsbG8-d29ybGQxx", std::nullopt}, // URL-safe with length 1 mod 4 never decodes
        {"hello world!", std::nullopt},
    };
    for (const Case& c : cases) {
        auto wrapped = Bytes::fromWrapper(c.text);
        EXPECT_EQ(wrapped ? std::optional(wrapped->wrapper) : std::nullopt, c.wrapper) << c.text;
    }
}
