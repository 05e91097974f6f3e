#include "TindrelCore/text/Bytes.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string text(const std::optional<Bytes::Buffer>& bytes) {
    return bytes ? *bytes : "<nothing>";
}

} // namespace

TEST(Bytes, URLSafeBase64TakesEitherAlphabetAndMissingPadding) {
    struct Case {
        std::string encoded, decoded;
    } cases[] = {
        {"", ""},
        {"aGk", "hi"},
        {"aGk=", "hi"},
        {"aG", "h"},
        {"aG=", "h"},
        {"aG==", "h"},
        {"aGk==", "<nothing>"}, // five characters
        {"aG===", "<nothing>"},
        {"a===", "<nothing>"},
        {"ab=c", "<nothing>"},
        {"aGk-_w", "hi>\xFF"},
        {"aGk+/w", "hi>\xFF"},
        {"aGk-_w==", "hi>\xFF"},
        {"a", "<nothing>"},
        {"a b", "<nothing>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(Bytes::base64URLDecode(c.encoded)), c.decoded) << c.encoded;
}

TEST(Bytes, MayBeginWithRulesOutOnlyWhatNoReadingCanStartWith) {
    auto isList = [](std::string_view lead) { return lead == "bplist"; };
    const std::string list = "bplist00" + std::string(60, '\x01');
    std::string encoded = Bytes::base64Encode(list);
    struct Case {
        std::string text;
        bool may;
    } cases[] = {
        {encoded, true},
        {" \n" + encoded + "\t", true},
        {"62706c697374" + std::string(100, '0'), true},
        {"62706C697374" + std::string(100, 'f'), true},
        {Bytes::base64Encode(std::string(60, 'x')), false},
        {"62706c697375" + std::string(100, '0'), false},
        {std::string(100, '!'), false},
        {"YnBs=XN0" + std::string(100, 'A'), false}, // padding among the data: no reading at all
        {"YnBs", true},                              // too short to tell
        {"YnBsaXN0", true},                          // the lead, but perhaps all padding after it
    };
    for (const Case& c : cases)
        EXPECT_EQ(Bytes::mayBeginWith(c.text, 6, isList), c.may) << c.text;

    // Both Base64 alphabets read the same lead bytes.
    auto isHigh = [](std::string_view lead) { return lead == "\xFB\xFF\xBF"; };
    EXPECT_TRUE(Bytes::mayBeginWith("+/+/" + std::string(20, 'A'), 3, isHigh));
    EXPECT_TRUE(Bytes::mayBeginWith("-_-_" + std::string(20, 'A'), 3, isHigh));
    EXPECT_FALSE(Bytes::mayBeginWith("-_-A" + std::string(20, 'A'), 3, isHigh));
}
