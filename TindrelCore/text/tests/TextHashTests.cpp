#include "TindrelCore/text/TextHash.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace tindrel;

// Every byte counts, in texts of every length the hash treats apart (short, one word, whole blocks
// and the overlapping last word): changing any one byte, or adding a NUL, changes the hash.
TEST(TextHash, EveryByteOfEveryLengthCounts) {
    for (std::size_t size = 0; size <= 40; ++size) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i)
            text += static_cast<char>('a' + i % 26);
        const std::uint64_t hash = textHash(text);
        EXPECT_NE(textHash(text + '\0'), hash) << size;
        for (std::size_t at = 0; at < size; ++at) {
            std::string changed = text;
            changed[at] ^= 0x01;
            EXPECT_NE(textHash(changed), hash) << size << " at " << at;
        }
    }
}

// Tables keep the low bits: texts that differ in one digit fill their slots as random numbers do.
TEST(TextHash, LowBitsSpreadSimilarTexts) {
    constexpr std::uint64_t slots = 4096;
    std::set<std::uint64_t> filled;
    for (std::uint64_t i = 0; i < slots; ++i)
        filled.insert(textHash("request-" + std::to_string(1700000000 + i)) % slots);
    // Random numbers fill 63 % of them (about 2 590); a hash that leaves low bits unmixed, far fewer.
    EXPECT_GT(filled.size(), 2400u);
}
