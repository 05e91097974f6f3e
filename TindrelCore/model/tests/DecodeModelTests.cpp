#include "TindrelCore/model/DecodeModel.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <random>
#include <tuple>

using namespace tindrel;

TEST(DetectionKind, RawValuesRoundTripAndAreCaseSensitive) {
    ASSERT_EQ(detection_kind::allCases.size(), 20u);
    for (DetectionKind kind : detection_kind::allCases)
        EXPECT_EQ(detection_kind::fromRawValue(detection_kind::rawValue(kind)), kind);
    EXPECT_EQ(detection_kind::fromRawValue("Base64"), std::nullopt);
    EXPECT_EQ(detection_kind::fromRawValue(""), std::nullopt);
    EXPECT_EQ(detection_kind::displayName(DetectionKind::pem), "Certificate");
    EXPECT_EQ(detection_kind::displayName(DetectionKind::queryString), "Query string");
}

TEST(DecodeChain, ShapeFollowsStepOrderAndAnUnrecognisedChainKeepsItsInput) {
    DecodeChain unrecognised{"  hello \n", {}};
    EXPECT_EQ(std::tuple(unrecognised.isRecognized(), unrecognised.finalValue(), unrecognised.shapeText()),
              std::tuple(false, "  hello \n", ""));
    EXPECT_TRUE(unrecognised.kinds().empty());
    DecodeChain chain{"e30=",
                      {{DetectionKind::base64, "{}", 0.7, "", {}, false},
                       {DetectionKind::json, "{\n}", 0.95, "", {}, true}}};
    EXPECT_EQ(std::tuple(chain.isRecognized(), chain.finalValue(), chain.shapeText()),
              std::tuple(true, "{\n}", "base64 \u2192 json"));
    EXPECT_EQ(chain.shape(), (std::vector<std::string>{"base64", "json"}));
}

TEST(Bytes, Base64RoundTrips) {
    for (std::string bytes : {"", "a", "ab", "abc", "\xff\x00\x10"})
        EXPECT_EQ(Bytes::base64Decode(Bytes::base64Encode(bytes)), bytes);
}

// Every length and tail, and one character outside the alphabet anywhere refuses the whole text.
TEST(Bytes, Base64DecodesRandomBytesOfEveryLengthBack) {
    std::mt19937 random(4);
    for (std::size_t length = 0; length < 200; ++length) {
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>(random());
        std::string text = Bytes::base64Encode(bytes);
        ASSERT_EQ(Bytes::base64Decode(text), bytes);
        std::string unpadded = text.substr(0, text.find('='));
        ASSERT_EQ(Bytes::base64URLDecode(unpadded), bytes);
        if (unpadded.empty()) continue;
        unpadded[random() % unpadded.size()] = "*.\n\x80"[random() % 4];
        EXPECT_EQ(Bytes::base64URLDecode(unpadded), std::nullopt) << unpadded;
    }
}

TEST(Text, HasAtLeastCharactersAgreesWithTheCount) {
    for (const std::string text :
         {"", "abc", "a\r\nb", "e\u0301e\u0301", "\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA",
          "\U0001F469\u200D\U0001F4BB!", "12345678"})
        for (std::size_t count = 0; count <= 9; ++count)
            EXPECT_EQ(Text::hasAtLeastCharacters(text, count), Text::characterCount(text) >= count)
                << text << " " << count;
}

namespace {

// Short random texts of ASCII, white space of every width, CR LF and characters that join.
std::vector<std::string> mixedTexts() {
    const std::string pieces[] = {"a",          "7",          " ",      "\t",     "\r",     "\n",
                                  "\v",         "\u0085",     "\u00A0", "\u3000", "\u0301", "\u200D",
                                  "\U0001F1EB", "\U0001F469", "\xff",   "\u0600"};
    std::mt19937 random(5);
    std::vector<std::string> texts;
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (int length = round % 12; length > 0; --length)
            text += pieces[random() % std::size(pieces)];
        texts.push_back(text);
    }
    return texts;
}

// Trimming scalar by scalar from both ends, as the definition reads.
std::string_view referenceTrim(std::string_view s) {
    std::size_t start = 0;
    while (start < s.size() && Text::isWhitespace(Text::decodeScalar(s, start).value))
        start += Text::decodeScalar(s, start).length;
    std::size_t end = s.size();
    while (end > start) {
        std::size_t lead = end - 1;
        while (lead > start && (static_cast<unsigned char>(s[lead]) & 0xC0) == 0x80)
            --lead;
        if (!Text::isWhitespace(Text::decodeScalar(s, lead).value)) break;
        end = lead;
    }
    return s.substr(start, end - start);
}

} // namespace

TEST(Text, QuickAnswersAgreeWithTheCharacterWalk) {
    for (const std::string& text : mixedTexts()) {
        std::string valid = Text::sanitizeUTF8(text);
        EXPECT_EQ(Text::trim(valid), referenceTrim(valid)) << text;
        for (std::size_t count = 0; count <= 13; count += 1 + count / 4)
            EXPECT_EQ(Text::hasAtLeastCharacters(text, count), Text::characterCount(text) >= count)
                << text << " " << count;
    }
}

// The alphabet checks read sixteen bytes at a time: texts of every length around those blocks, with
// one character from outside (or a padding "=") anywhere, answer as a character-by-character test.
TEST(Bytes, AlphabetChecksAgreeWithACharacterTest) {
    auto isAlnum = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    auto all = [](std::string_view s, auto in) { return std::all_of(s.begin(), s.end(), in); };
    auto padded = [&](std::string_view s, auto in) {
        std::size_t end = s.size();
        for (int padding = 0; padding < 2 && end > 0 && s[end - 1] == '='; ++padding)
            --end;
        return end > 0 && all(s.substr(0, end), in);
    };
    const std::string_view alphabet = "09AZaz+/-_=fF";
    const std::string_view outside = "@[`{/:G\xC3 \n";
    std::mt19937 random(6);
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (std::size_t length = random() % 50; text.size() < length;)
            text += alphabet[random() % alphabet.size()];
        if (round % 2 == 0 && !text.empty())
            text[random() % text.size()] = outside[random() % outside.size()];
        EXPECT_EQ(Bytes::isBase64Text(text),
                  padded(text, [&](char c) { return isAlnum(c) || c == '+' || c == '/'; }))
            << text;
        EXPECT_EQ(Bytes::isBase64URLText(text),
                  padded(text, [&](char c) { return isAlnum(c) || c == '-' || c == '_'; }))
            << text;
        EXPECT_EQ(Bytes::isHexText(text),
                  !text.empty() &&
                      all(text, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }))
            << text;
    }
}
