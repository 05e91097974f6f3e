#include "TindrelCore/detectors/DecodedText.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string hexOf(std::string_view bytes) {
    static constexpr std::string_view digits = "0123456789abcdef";
    std::string out;
    for (unsigned char byte : bytes)
        out.append(1, digits[byte >> 4]).append(1, digits[byte & 0xF]);
    return out;
}

std::string withoutPadding(std::string text) {
    while (!text.empty() && text.back() == '=')
        text.pop_back();
    return text;
}

} // namespace

// The head only turns a text down that decodes to bytes no text begins with: characters cut at the
// head's end, padding and unpadded endings still pass, at every length around the heads.
TEST(DecodedText, HeadPassesEveryTextAndTurnsDownBinary) {
    const std::vector<std::string> texts = {"plain ASCII text of some length",
                                            "caf\u00e9 au lait, caf\u00e9 noir",
                                            "12345\u20ac and more euros \u20ac",
                                            "1234\u20ac and more",
                                            "abcde\U0001F600 grinning along",
                                            std::string(5000, 'x') + "\u00e9",
                                            "\t\r\nwhite space first"};
    for (const std::string& text : texts)
        for (std::size_t length = 1; length <= std::min<std::size_t>(text.size(), 40); ++length) {
            std::string bytes = text.substr(0, length);
            std::string base64 = Bytes::base64Encode(bytes);
            EXPECT_TRUE(headMayBeText(base64, 2, Bytes::base64Decode)) << base64;
            EXPECT_TRUE(headMayBeText(withoutPadding(base64), 2, Bytes::base64URLDecode)) << base64;
            EXPECT_TRUE(headMayBeText(hexOf(bytes), 0, Bytes::hex)) << hexOf(bytes);
        }
    EXPECT_TRUE(headMayBeText(Bytes::base64Encode(texts[5]), 2, Bytes::base64Decode));

    const std::string binary = "\xff\xfe\x80\x81 then text that goes on for a while";
    EXPECT_FALSE(headMayBeText(Bytes::base64Encode(binary), 2, Bytes::base64Decode));
    EXPECT_FALSE(headMayBeText(hexOf(binary), 0, Bytes::hex));
    EXPECT_FALSE(headMayBeText(Bytes::base64Encode(std::string(5000, '\xff')), 2, Bytes::base64Decode));
}
