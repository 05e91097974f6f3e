#include "TindrelCore/scan/ByteMasks.h"
#include "TindrelCore/scan/ScanMatchers.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

using namespace tindrel;

namespace {

// Texts of the bytes that the word walk tells apart, ASCII only, with long runs now and then.
std::string randomASCIIText(std::mt19937& random) {
    static constexpr std::string_view alphabet = "0123456789abcdefABCDEFxyzXYZ_+/-= .\n:&";
    std::string text;
    std::size_t length = random() % 300;
    while (text.size() < length) {
        char c = alphabet[random() % alphabet.size()];
        text.append(random() % 8 == 0 ? 1 + random() % 100 : 1, c);
    }
    return text;
}

bool isWordByte(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           byte == '_';
}

bool isBase64Byte(unsigned char byte) {
    return isWordByte(byte) || byte == '+' || byte == '/' || byte == '-';
}

} // namespace

TEST(ByteMasks, FindsRunsAsAByteAtATimeWalkDoes) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text = randomASCIIText(random);
        text += round % 3 == 0 ? "\xC3\xA9z" : ""; // non-ASCII bytes are in no class
        if (round == 0)
            for (int byte = 0; byte < 512; ++byte)
                text += static_cast<char>(byte * 7 % 256);
        const ByteMasks masks(text);
        using InClass = bool (*)(unsigned char);
        for (auto [byteClass, inClass] :
             {std::pair<ByteMasks::Class, InClass>{ByteMasks::base64, isBase64Byte},
              {ByteMasks::word, isWordByte}}) {
            for (std::size_t pos = 0; pos <= text.size(); ++pos) {
                std::size_t next = pos, end = pos;
                while (next < text.size() && !inClass(static_cast<unsigned char>(text[next])))
                    ++next;
                while (end < text.size() && inClass(static_cast<unsigned char>(text[end])))
                    ++end;
                ASSERT_EQ(masks.next(byteClass, pos), next) << '"' << text << "\" at " << pos;
                ASSERT_EQ(masks.runEnd(byteClass, pos), end) << '"' << text << "\" at " << pos;
                if (pos < text.size()) {
                    ASSERT_EQ(masks.has(byteClass, pos), next == pos);
                }
            }
            for (unsigned length : {1u, 2u, 5u, 8u, 24u, 63u, 64u}) {
                std::vector<std::size_t> expected, found;
                for (std::size_t pos = 0; pos < text.size(); ++pos) {
                    std::size_t end = pos;
                    while (end < text.size() && inClass(static_cast<unsigned char>(text[end])))
                        ++end;
                    if (end - pos >= length) expected.push_back(pos);
                    pos = end;
                }
                masks.forEachRunStart(byteClass, length, [&](std::size_t run) { found.push_back(run); });
                ASSERT_EQ(found, expected) << '"' << text << "\" runs of " << length;
            }
        }
    }
}

// The wide blocks, which the test above holds to the byte walk on this processor, and the
// sixteen-byte ones every processor has set the same bits, for every byte value at every offset.
TEST(ByteMasks, WideAndSixteenByteBlocksAgree) {
    static constexpr std::string_view classEdges = "@AZ[`az{/09:_+-=\xC3";
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (std::size_t n = random() % 700; n > 0; --n)
            text +=
                round % 2 == 0 ? static_cast<char>(random() % 256) : classEdges[random() % classEdges.size()];
        const ByteMasks wide(text), sixteen(text, ByteMasks::Width::sixteen);
        for (ByteMasks::Class byteClass : {ByteMasks::base64, ByteMasks::word})
            for (std::size_t pos = 0; pos < text.size(); ++pos)
                ASSERT_EQ(wide.has(byteClass, pos), sixteen.has(byteClass, pos)) << round << " at " << pos;
    }
}

// ASCII lines are walked word by word from their byte classes, lines with a non-ASCII character
// character by character; both must find what the character walk finds over the whole text. The
// non-ASCII characters here join, extend or end words and digit runs: a letter, an Arabic-Indic
// digit, a combining mark, a no-break space, an invalid byte.
TEST(ByteMasks, WordWalksAgreeWithTheCharacterWalk) {
    auto lists = [](const ScanMatchers::WordMatches& found) {
        return std::vector{found.uuids, found.base64Runs, found.hexRuns, found.millisecondTimes,
                           found.secondTimes};
    };
    static constexpr std::array<std::string_view, 5> nonASCII{"\xC3\xA9", "\xD9\xA3", "\xCC\x81", "\xC2\xA0",
                                                              "\xFF"};
    std::mt19937 random(11);
    std::size_t matched = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text = randomASCIIText(random);
        if (round % 5 == 0) text += "6f1c2a3b-0d4e-4f5a-8b9c-0123456789ab 0x0123456789abcdef01 1700000000123";
        if (round % 2 == 1)
            for (std::size_t n = random() % 4; n > 0 && !text.empty(); --n)
                text.insert(random() % text.size(), nonASCII[random() % nonASCII.size()]);
        ScanText scanText(text);
        auto expected = lists(ScanMatchers::wordMatchesByCharacter(scanText));
        auto found = lists(ScanMatchers::wordMatches(scanText));
        ASSERT_EQ(found, expected) << '"' << text << '"';
        for (const auto& list : found)
            matched += list.size();
    }
    EXPECT_GT(matched, 20000u);
}
