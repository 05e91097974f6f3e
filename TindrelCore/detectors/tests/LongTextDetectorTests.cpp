#include "TindrelCore/detectors/Base32Detector.h"
#include "TindrelCore/detectors/Base64Detector.h"
#include "TindrelCore/detectors/HexDetector.h"
#include "TindrelCore/text/Bytes.h"

#include <cstdint>
#include <fmt/format.h>
#include <gtest/gtest.h>
#include <memory>

using namespace tindrel;

namespace {

// "a", then four-byte characters: the decoded head of a long text ends inside one of them.
std::string longText() {
    std::string text = "a";
    while (text.size() < 20000)
        text += "\U0001F600";
    return text;
}

std::string withBinaryTail(std::string text) {
    text.back() = '\xFF';
    return text;
}

std::string withBinaryHead(std::string text) {
    text[1] = '\xFF';
    return text;
}

std::string hexEncode(std::string_view bytes) {
    std::string out;
    for (char c : bytes)
        out += fmt::format("{:02x}", static_cast<unsigned char>(c));
    return out;
}

std::string base32Encode(std::string_view bytes) {
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
    std::string out;
    std::uint32_t accumulator = 0;
    int bits = 0;
    for (char c : bytes) {
        accumulator = (accumulator << 8) | static_cast<unsigned char>(c);
        for (bits += 8; bits >= 5; bits -= 5)
            out += alphabet[(accumulator >> (bits - 5)) & 31];
    }
    if (bits > 0) out += alphabet[(accumulator << (5 - bits)) & 31];
    return out;
}

std::string base64URL(std::string_view bytes) {
    std::string out = Bytes::base64Encode(bytes);
    for (char& c : out)
        c = c == '+' ? '-' : c == '/' ? '_' : c;
    return out.substr(0, out.find('='));
}

} // namespace

TEST(LongTextDetectors, TheWholeTextDecidesNotItsHead) {
    const std::string text = longText();
    struct Case {
        std::shared_ptr<Detector> detector;
        std::string encoded;
        bool decodes;
    } cases[] = {
        {std::make_shared<Base64Detector>(), Bytes::base64Encode(text), true},
        {std::make_shared<Base64Detector>(), Bytes::base64Encode(text + "bc"), true},
        {std::make_shared<Base64Detector>(), base64URL(text + "b"), true},
        {std::make_shared<Base64Detector>(), Bytes::base64Encode(withBinaryTail(text)), false},
        {std::make_shared<Base64Detector>(), base64URL(withBinaryTail(text)), false},
        {std::make_shared<Base64Detector>(), Bytes::base64Encode(withBinaryHead(text)), false},
        {std::make_shared<HexDetector>(), hexEncode(text), true},
        {std::make_shared<HexDetector>(), hexEncode(withBinaryTail(text)), false},
        {std::make_shared<HexDetector>(), hexEncode(withBinaryHead(text)), false},
        {std::make_shared<Base32Detector>(), base32Encode(text), true},
        {std::make_shared<Base32Detector>(), base32Encode(withBinaryTail(text)), false},
        {std::make_shared<Base32Detector>(), base32Encode(withBinaryHead(text)), false},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = c.detector->decode(c.encoded);
        EXPECT_EQ(result.has_value(), c.decodes) << c.encoded.substr(0, 40);
        if (result && c.decodes) {
            EXPECT_EQ(result->output.substr(0, text.size()), text);
        }
    }
}
