#include "TindrelCore/detectors/Base64Detector.h"
#include "TindrelCore/text/Bytes.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(Base64Detector, AcceptsAndRejects) {
    struct Case {
        std::string text;
        std::optional<std::string> output;
        DetectionKind kind = DetectionKind::base64;
    } cases[] = {
        {"eyJ1c2VyIjoiYWRhIn0=", "{\"user\":\"ada\"}"},
        {"\n  aGVsbG8gd29ybGQ=\t", "hello world"},
        {"aGk_aGk-aGk", "hi?hi>hi", DetectionKind::base64url},   // unpadded URL-safe is padded
        {"PDw_Pz4-Pj4=", "<<?\?>>>>", DetectionKind::base64url}, // padded URL-safe
        {"PDw/Pz4+Pj4=", "<<?\?>>>>"},
        {"aGVsbG8gd29ybGQ", std::nullopt}, // unpadded standard, length not a multiple of 4
        {"aGVsbG8=", "hello"},
        {"aGVsbG8", std::nullopt},            // seven characters
        {"12345678", std::nullopt},           // digits only
        {"PDw/Pz4-Pj4=", std::nullopt},       // both alphabets
        {"aGk_aGk-aGkxx", std::nullopt},      // URL-safe, length 1 mod 4
        {"aGVsbG8g\nd29ybGQ=", std::nullopt}, // inner line break
        {"AAAAAAAAAAAA", std::nullopt},       // control characters
        {"//79/Pv6+fj3", std::nullopt},       // not UTF-8
        {"YWJjZGVmZ2hp", "abcdefghi"},
    };
    Base64Detector detector;
    for (const Case& c : cases) {
        auto result = detector.decode(c.text);
        if (c.output) {
            ASSERT_TRUE(result) << c.text;
            EXPECT_EQ(result->output, *c.output);
            EXPECT_EQ(result->kind, c.kind);
            EXPECT_FALSE(result->terminal);
            EXPECT_EQ(result->confidence, 0.7);
        } else {
            EXPECT_FALSE(result) << c.text;
        }
    }
}

TEST(Base64Detector, SummaryCountsBytesNotCharacters) {
    auto result = Base64Detector().decode(Bytes::base64Encode("\u00e9\u00e9\u00e9\u00e9\u00e9"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->summary, "Base64 \u2192 10 bytes of text");
    EXPECT_EQ(result->details, (Details{{"bytes", "10"}}));
    auto url = Base64Detector().decode("PDw_Pz4-Pj4");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->summary, "Base64url \u2192 8 bytes of text");
}
