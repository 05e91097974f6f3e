#include "TindrelCore/detectors/Base32Detector.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string text(const std::optional<Bytes::Buffer>& bytes) {
    return bytes ? *bytes : "<nothing>";
}

} // namespace

TEST(Base32Detector, DecodesTheStandardVectors) {
    struct Case {
        std::string encoded, decoded;
    } cases[] = {
        {"", ""},
        {"MY======", "f"},
        {"MZXQ====", "fo"},
        {"MZXW6===", "foo"},
        {"MZXW6YQ=", "foob"},
        {"MZXW6YTB", "fooba"},
        {"MZXW6YTBOI======", "foobar"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(Base32Detector::base32Decode(c.encoded)), c.decoded) << c.encoded;
}

TEST(Base32Detector, DecoderIgnoresPaddingPlacementAndDropsLeftoverBits) {
    struct Case {
        std::string encoded, decoded;
    } cases[] = {
        {"MZXW6YTBOI", "foobar"},   // unpadded
        {"MZ=XW6=YTBOI", "foobar"}, // "=" skipped wherever it stands
        {"MZXW6YTBOI=========", "foobar"},
        {"MZX", "f"}, // 15 bits: one byte, seven bits dropped
        {"M", ""},
        {"mzxw6===", "<nothing>"}, // lower case is outside the alphabet
        {"MZXW1===", "<nothing>"},
        {"MZXW8===", "<nothing>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(Base32Detector::base32Decode(c.encoded)), c.decoded) << c.encoded;
}

TEST(Base32Detector, RecognisesBase32OfText) {
    struct Case {
        std::string input, output, bytes;
    } cases[] = {
        {"NBSWY3DPEB3W64TMMQ======", "hello world", "11"},
        {"  NBSWY3DPEB3W64TMMQ \n", "hello world", "11"},
        {"NBSWY3DPEB3W64TMMQ", "hello world", "11"}, // padding is not checked against the length
        {"MZXW6YTBOI======", "foobar", "6"},
        {"YOU4HKGDUDB2PQ5L", "\u00E9\u00E8\u00E0\u00E7\u00EB", "10"}, // bytes, not characters
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = Base32Detector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->kind, DetectionKind::base32);
        EXPECT_EQ(result->output, c.output);
        EXPECT_EQ(result->confidence, 0.55);
        EXPECT_EQ(result->summary, "Base32 \u2192 " + c.bytes + " bytes of text");
        EXPECT_EQ(result->details, (Details{{"bytes", c.bytes}}));
        EXPECT_FALSE(result->terminal);
    }
}

TEST(Base32Detector, RefusesWhatIsNotBase32OfText) {
    const char* cases[] = {
        "MZXW6YQ",                   // seven characters
        "nbswy3dpeb3w64tmmq======",  // lower case
        "NBSWY3DPEB3W64TMMQ=======", // seven "="
        "NBSWY3DP=EB3W64TMMQ",       // "=" in the middle
        "NBSWY3DP EB3W64TMMQ",       // inner space
        "========",
        "AAAAAAAAAAAAAAAA", // zero bytes are control characters
        "7777777777777777", // 0xFF bytes are not UTF-8
        "",
    };
    for (const char* input : cases)
        EXPECT_FALSE(Base32Detector().decode(input)) << input;
}
