#include "TindrelCore/text/LiteralSearch.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace tindrel;

// Texts of few distinct bytes hold many near misses (the first and probed bytes right, another
// wrong), at every alignment and near both ends. Every eighth text is long enough for the wide
// search, where the processor has it.
TEST(LiteralSearch, FindsWhatAByteByByteSearchFinds) {
    const std::string_view literals[] = {"eyJ", "-----BEGIN ", "ab", "aab"};
    std::mt19937 random(3);
    std::size_t found = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        std::size_t length = round % 8 == 0 ? wideSearchFrom + random() % 400 : random() % 90;
        for (std::size_t i = 0; i < length; ++i)
            text += "-eyJB aN"[random() % 8];
        if (round % 4 == 0) text.insert(random() % (text.size() + 1), "-----BEGIN ");
        for (std::string_view literal : literals)
            for (std::size_t probe : {std::size_t{1}, std::size_t{5}, std::string_view::npos})
                for (std::size_t pos = 0; pos <= text.size(); pos += 1 + random() % 7) {
                    std::size_t expected = std::string_view(text).find(literal, pos);
                    ASSERT_EQ(findLiteral(text, literal, pos, probe), expected)
                        << '"' << text << "\" " << literal << " from " << pos << " probe " << probe;
                    found += expected != std::string_view::npos;
                }
    }
    EXPECT_GT(found, 10000u);
}

TEST(LiteralSearch, FindsTheFirstOfAnyBytesAsAByteByByteSearchDoes) {
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        std::size_t length = round % 10 == 0 ? wideSearchFrom + random() % 400 : random() % 70;
        for (std::size_t i = 0; i < length; ++i)
            text += random() % (round % 20 == 0 ? 300 : 9) == 0 ? "{[}]\"\\"[random() % 6]
                                                                : "ab \n:,"[random() % 6];
        for (std::size_t pos = 0; pos <= text.size(); ++pos) {
            std::size_t opener = std::min(text.find_first_of("{[", pos), text.size());
            std::size_t event = std::min(text.find_first_of("{[}]\"\\", pos), text.size());
            ASSERT_EQ((findAnyByte<'{', '['>(text, pos)), opener) << '"' << text << "\" from " << pos;
            ASSERT_EQ((findAnyByte<'{', '[', '}', ']', '"', '\\'>(text, pos)), event)
                << '"' << text << "\" from " << pos;
        }
    }
}

// Line counts of long texts: the sixteen byte counters are summed before any passes 255, so texts
// of every length up to many thousand blocks, nearly all one byte, count as a plain loop does.
TEST(LiteralSearch, CountsBytesAsAPlainLoopDoes) {
    std::mt19937 random(9);
    for (int round = 0; round < 200; ++round) {
        const std::size_t length = round < 100 ? random() % 80 : random() % 70000;
        const int rarity = 1 + round % 4; // one byte in `rarity` is a line feed
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += random() % rarity == 0 ? '\n' : "a\xFF\r"[random() % 3];
        const std::size_t start = random() % (text.size() + 1);
        std::string_view tail = std::string_view(text).substr(start);
        EXPECT_EQ(ByteBlocks::countOf(tail, '\n'), static_cast<std::size_t>(std::ranges::count(tail, '\n')))
            << length << " bytes from " << start;
        EXPECT_EQ(ByteBlocks::countOf(tail, 0xFF),
                  static_cast<std::size_t>(std::ranges::count(tail, '\xFF')));
    }
}
