// Inputs at and past the detectors' bounds, and inputs built to cost time or memory.
#include "TindrelCore/detectors/Base32Detector.h"
#include "TindrelCore/detectors/Base58Detector.h"
#include "TindrelCore/detectors/Base64Detector.h"
#include "TindrelCore/detectors/GzipDetector.h"
#include "TindrelCore/detectors/HTMLEntitiesDetector.h"
#include "TindrelCore/detectors/HashDetector.h"
#include "TindrelCore/detectors/HexDetector.h"
#include "TindrelCore/detectors/YAMLDetector.h"
#include "TindrelCore/detectors/ZlibDetector.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/formats/YAML.h"
#include "TindrelCore/tests/CompressionFixtures.h"
#include "TindrelCore/tests/Fixtures.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>

using namespace tindrel;

namespace {

constexpr std::string_view base58Alphabet = "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";

// The byte-at-a-time decoding, digit by digit, as the reference for the faster one.
std::string referenceBase58Decode(std::string_view text) {
    std::vector<unsigned> bytes;
    for (char c : text) {
        auto carry = static_cast<unsigned>(base58Alphabet.find(c));
        for (unsigned& byte : bytes) {
            carry += byte * 58;
            byte = carry & 0xFF;
            carry >>= 8;
        }
        for (; carry != 0; carry >>= 8)
            bytes.push_back(carry & 0xFF);
    }
    for (std::size_t i = 0; i < text.size() && text[i] == '1'; ++i)
        bytes.push_back(0);
    return std::string(bytes.rbegin(), bytes.rend());
}

std::string base32Of(std::string_view bytes) {
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
    std::string out;
    std::uint32_t accumulator = 0;
    int bits = 0;
    for (char c : bytes) {
        accumulator = (accumulator << 8) | static_cast<unsigned char>(c);
        for (bits += 8; bits >= 5; bits -= 5)
            out += alphabet[(accumulator >> (bits - 5)) & 31];
    }
    return bits > 0 ? out + alphabet[(accumulator << (5 - bits)) & 31] : out;
}

} // namespace

TEST(DetectorBounds, Base58MatchesTheDigitByDigitDecodingOnRandomTexts) {
    std::mt19937 random(58);
    std::uniform_int_distribution<std::size_t> pick(0, base58Alphabet.size() - 1), length(0, 120);
    for (int round = 0; round < 300; ++round) {
        std::string text = round % 3 == 0 ? "111" : "";
        for (std::size_t n = length(random); n > 0; --n)
            text += base58Alphabet[pick(random)];
        EXPECT_EQ(Base58Detector::base58Decode(text), referenceBase58Decode(text)) << text;
    }
}

TEST(DetectorBounds, Base58TextsEndAtTheLengthBound) {
    // Base58 of 5990 characters of English, led by "1"s (a zero byte each) up to the bound.
    const std::string atBound = fixtures::testData("detectors/base58-at-bound.txt");
    ASSERT_EQ(atBound.size(), Base58Detector::maxLength);
    std::string text =
        fixtures::repeated("The quick brown fox jumps over the lazy dog. ", 134).substr(0, 5990);
    std::size_t ones = atBound.find_first_not_of('1');
    std::optional<DecodeResult> step = Base58Detector().decode(atBound);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->output, std::string(ones, '\0') + text);
    EXPECT_FALSE(Base58Detector().decode("1" + atBound));
}

// "a", then four-byte characters: the decoded head of a long text ends inside one of them.
TEST(DetectorBounds, TheWholeLongTextDecidesNotItsHead) {
    std::string text = "a";
    while (text.size() < 20000)
        text += "\U0001F600";
    const std::string tail = fixtures::withByte(text, text.size() - 1, '\xFF'),
                      head = fixtures::withByte(text, 1, '\xFF');
    const Base64Detector base64;
    const HexDetector hex;
    const Base32Detector base32;
    struct Case {
        const Detector& detector;
        std::vector<std::string> decoded, refused;
    } cases[] = {
        {base64,
         {Bytes::base64Encode(text), Bytes::base64Encode(text + "bc"), fixtures::base64URLOf(text + "b")},
         {Bytes::base64Encode(tail), fixtures::base64URLOf(tail), Bytes::base64Encode(head)}},
        {hex, {fixtures::hexOf(text)}, {fixtures::hexOf(tail), fixtures::hexOf(head)}},
        {base32, {base32Of(text)}, {base32Of(tail), base32Of(head)}},
    };
    for (const Case& c : cases) {
        for (const std::string& encoded : c.decoded) {
            std::optional<DecodeResult> result = c.detector.decode(encoded);
            ASSERT_TRUE(result) << encoded.substr(0, 40);
            EXPECT_EQ(result->output.substr(0, text.size()), text);
        }
        for (const std::string& encoded : c.refused)
            EXPECT_FALSE(c.detector.decode(encoded)) << encoded.substr(0, 40);
    }
}

TEST(DetectorBounds, ManyAmpersandsShareOneSemicolon) {
    std::string ampersands(100000, '&');
    EXPECT_FALSE(HTMLEntitiesDetector().decode(ampersands + ";"));
    std::optional<DecodeResult> result = HTMLEntitiesDetector().decode(ampersands + "lt;" + ampersands);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->output, std::string(99999, '&') + "<" + ampersands);
    EXPECT_EQ(result->details.at("count"), "1");
}

TEST(DetectorBounds, HugeHashesStayCorrect) {
    std::string params = "m=1,t=2";
    for (int i = 0; params.size() < 1'000'000; ++i)
        params += ",k" + std::to_string(i) + "=" + std::to_string(i);
    std::optional<DecodeResult> argon = HashDetector().decode("$argon2id$v=19$" + params + "$c2FsdA$aGFzaA");
    ASSERT_TRUE(argon);
    EXPECT_EQ(std::tuple(argon->details.at("k0"), argon->details.at("k1000"), argon->details.at("m")),
              std::tuple("0", "1000", "1"));
    std::string bcrypt = "$2b$12$" + std::string(1'000'000, 'a');
    std::optional<DecodeResult> longBcrypt = HashDetector().decode(bcrypt);
    ASSERT_TRUE(longBcrypt);
    EXPECT_EQ(longBcrypt->output, bcrypt);
    EXPECT_FALSE(HashDetector().decode(std::string(1'000'000, '$')));
    EXPECT_FALSE(HashDetector().decode(std::string(1'000'000, 'a')));
}

TEST(DetectorBounds, DeepJSONAndYAMLAreRefusedNotFollowed) {
    std::string deep(100000, '[');
    EXPECT_FALSE(JSONUtil::prettyPrinted(deep + std::string(100000, ']')));
    EXPECT_FALSE(Tindrel::inspect(deep).isRecognized());
    const std::size_t depth = JSONUtil::maxNestingDepth;
    EXPECT_TRUE(JSONUtil::prettyPrinted(std::string(depth, '[') + std::string(depth, ']')));
    EXPECT_FALSE(JSONUtil::prettyPrinted(std::string(depth + 1, '[') + std::string(depth + 1, ']')));
    // Brackets inside strings do not count toward the depth.
    EXPECT_TRUE(JSONUtil::prettyPrinted("[\"" + deep + "\"]"));

    // `levels` mapping keys, each indented one space deeper than the one before.
    auto staircase = [](std::size_t levels) {
        std::string text;
        for (std::size_t level = 0; level < levels; ++level)
            text += std::string(level, ' ') + "k:\n";
        return text;
    };
    EXPECT_FALSE(YAMLDetector().decode(staircase(YAML::maxDepth + 1)));
    EXPECT_FALSE(YAMLDetector().decode(staircase(3000)));
    std::optional<DecodeResult> shallow = YAMLDetector().decode(staircase(100));
    ASSERT_TRUE(shallow);
    EXPECT_EQ(shallow->summary, "YAML mapping \u2192 JSON (1 key)");
}

// The inflater's own bound is checked in Deflate's tests; here, that the detectors hand it the size field.
TEST(DetectorBounds, TextBeyondTheCapDecodesOnlyWithAnExactGzipSizeField) {
    const std::string text = fixtures::repetitiveText(17000000);
    const std::string deflated = fixtures::rawDeflate(text);
    const auto size = std::uint32_t(text.size());
    std::optional<DecodeResult> step =
        GzipDetector().decode(Bytes::base64Encode(fixtures::gzipAround(deflated, size)));
    ASSERT_TRUE(step);
    EXPECT_TRUE(step->output == text);
    EXPECT_EQ(step->details.at("bytes"), "17000000");
    for (std::uint32_t lie : {size - 1, size + 1})
        EXPECT_FALSE(GzipDetector().decode(Bytes::base64Encode(fixtures::gzipAround(deflated, lie)))) << lie;
    EXPECT_FALSE(ZlibDetector().decode(Bytes::base64Encode("\x78\xDA" + deflated + std::string(4, '\0'))));
}

TEST(DetectorBounds, CompressionBombsAnswerNothing) {
    const std::string gigabyte = fixtures::zeroBomb(1024);
    const std::string text(1 << 20, 'a');
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"1 GiB, honest size field", Bytes::base64Encode(fixtures::gzipAround(gigabyte, 1u << 30))},
        {"1 GiB, size field 0", Bytes::base64Encode(fixtures::gzipAround(gigabyte, 0))},
        {"1 GiB, size field 100", Bytes::base64Encode(fixtures::gzipAround(gigabyte, 100))},
        {"10 MiB claiming 4 GiB",
         Bytes::base64Encode(fixtures::gzipAround(fixtures::zeroBomb(10), 0xFFFFFFFF))},
        {"text claiming 4 GiB", Bytes::base64Encode(fixtures::gzipMember(text, {.isize = 0xFFFFFFFF}))},
        {"text claiming the limit", Bytes::base64Encode(fixtures::gzipMember(text, {.isize = 1 << 24}))},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(GzipDetector().decode(c.text)) << c.name;
        EXPECT_FALSE(Tindrel::inspect(c.text).isRecognized()) << c.name;
    }
    const std::string belowLimit = fixtures::gzipMember(text, {.isize = (1 << 24) - 1});
    EXPECT_TRUE(GzipDetector().decode(Bytes::base64Encode(belowLimit)));
}
