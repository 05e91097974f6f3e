#include "TindrelCore/detectors/Base58Detector.h"
#include "TindrelCore/tests/EncodingFixtures.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>

using namespace tindrel;

namespace {

constexpr std::string_view alphabet = "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";

// Schoolbook encoding on limbs of five base-58 digits, kept independent of the decoder under test.
std::string encode(std::string_view bytes) {
    constexpr std::uint64_t limbBase = 58ull * 58 * 58 * 58 * 58;
    std::vector<std::uint64_t> limbs; // little-endian
    for (unsigned char byte : bytes) {
        std::uint64_t carry = byte;
        for (std::uint64_t& limb : limbs) {
            carry += limb * 256;
            limb = carry % limbBase;
            carry /= limbBase;
        }
        for (; carry > 0; carry /= limbBase)
            limbs.push_back(carry % limbBase);
    }
    std::string digits; // little-endian
    for (std::uint64_t limb : limbs)
        for (int k = 0; k < 5; ++k, limb /= 58)
            digits += alphabet[limb % 58];
    while (!digits.empty() && digits.back() == '1')
        digits.pop_back();
    for (std::size_t i = 0; i < bytes.size() && bytes[i] == '\0'; ++i)
        digits += '1';
    return std::string(digits.rbegin(), digits.rend());
}

// The byte-at-a-time decoding, digit by digit, as the reference for the faster one.
std::string referenceDecode(std::string_view text) {
    std::vector<unsigned> bytes;
    for (char c : text) {
        unsigned carry = static_cast<unsigned>(alphabet.find(c));
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

std::string hexOf(const std::optional<Bytes::Buffer>& bytes) {
    return bytes ? fixtures::hexOf(*bytes) : "<nothing>";
}

} // namespace

TEST(Base58Detector, DecodesKnownVectors) {
    struct Case {
        std::string encoded, hex;
    } cases[] = {
        {"", ""},
        {"2g", "61"},
        {"a3gV", "626262"},
        {"2cFupjhnEsSn59qHXstmK2ffpLv2", "73696d706c792061206c6f6e6720737472696e67"},
        {"1NS17iag9jJgTHD1VXjvLCEnZuQ3rJDE9L", "00eb15231dfceb60925886b67d065299925915aeb172c06647"},
        {"ABnLTmg", "516b6fcd0f"},
        {"1111111111", "00000000000000000000"},
        {"11", "0000"},
        {"1112", "00000001"},
        {"0OIl", "<nothing>"},
        {"abc0", "<nothing>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hexOf(Base58Detector::base58Decode(c.encoded)), c.hex) << c.encoded;
}

TEST(Base58Detector, MatchesTheDigitByDigitDecodingOnRandomTexts) {
    std::mt19937 random(58);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 120);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n)
            text += alphabet[pick(random)];
        if (round % 3 == 0) text = "111" + text;
        EXPECT_EQ(Base58Detector::base58Decode(text), referenceDecode(text)) << text;
    }
}

TEST(Base58Detector, RecognisesBase58OfText) {
    struct Case {
        std::string text, bytes;
    } cases[] = {
        {"hello world", "11"},
        {"{\"user\":\"ada\"}", "14"},
        {"\u65E5\u672C\u8A9E\u306E\u30C6\u30AD\u30B9\u30C8", "24"},
        {std::string(1, '\0') + "abcdefghijklmnopqrst",
         "21"}, // a leading zero byte within the 10 % allowance
    };
    for (const Case& c : cases) {
        std::string encoded = encode(c.text);
        std::optional<DecodeResult> result = Base58Detector().decode(" " + encoded + "\n");
        ASSERT_TRUE(result) << encoded;
        EXPECT_EQ(result->kind, DetectionKind::base58);
        EXPECT_EQ(result->output, c.text);
        EXPECT_EQ(result->confidence, 0.5);
        EXPECT_EQ(result->summary, "Base58 \u2192 " + c.bytes + " bytes of text");
        EXPECT_EQ(result->details, (Details{{"bytes", c.bytes}}));
        EXPECT_FALSE(result->terminal);
    }
}

TEST(Base58Detector, RefusesWhatIsNotBase58OfText) {
    std::string cases[] = {
        encode("hello"),             // seven characters
        "123456789123456789",        // digits only, though valid Base58
        encode("hello world") + "0", // 0, O, I and l are not in the alphabet
        "O" + encode("hello world"),
        encode("hello world") + "I",
        "l" + encode("hello world"),
        "111111" + encode("hi"),                    // mostly zero bytes
        encode("\xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8"), // not UTF-8
        encode("hello") + " " + encode("world"),
    };
    for (const std::string& input : cases)
        EXPECT_FALSE(Base58Detector().decode(input)) << input;
}

TEST(Base58Detector, RefusesTextsBeyondTheLengthBound) {
    const std::string sentence = "The quick brown fox jumps over the lazy dog. ";
    std::string text;
    while (text.size() < 5990)
        text += sentence;
    text.resize(5990);
    std::string encoded = encode(text);
    ASSERT_LE(encoded.size(), Base58Detector::maxLength);
    // Leading "1"s add one character and one zero byte each: few enough to leave the text printable.
    std::size_t ones = Base58Detector::maxLength - encoded.size();
    ASSERT_LT(ones, 100u);
    std::string atBound = std::string(ones, '1') + encoded;

    std::optional<DecodeResult> result = Base58Detector().decode(atBound);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->output, std::string(ones, '\0') + text);
    EXPECT_FALSE(Base58Detector().decode("1" + atBound));
}
