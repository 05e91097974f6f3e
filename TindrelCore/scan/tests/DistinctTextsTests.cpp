#include "TindrelCore/scan/DistinctTexts.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unordered_map>

using namespace tindrel;

// Numbers, finds and first sightings as a map from text to number gives them, across the table's
// growth, for texts that share prefixes and lengths (the empty text among them).
TEST(DistinctTexts, NumbersTextsInTheOrderFirstSeen) {
    std::mt19937 random(11);
    std::vector<std::string> pool;
    for (int i = 0; i < 5000; ++i)
        pool.push_back(std::string(random() % 3, 'x') + std::to_string(random() % 4000));
    pool.push_back("");

    DistinctTexts table;
    std::unordered_map<std::string_view, std::size_t> reference;
    for (int i = 0; i < 40000; ++i) {
        std::string_view text = pool[random() % pool.size()];
        std::optional<std::size_t> found = table.find(text);
        auto [expected, fresh] = reference.try_emplace(text, reference.size());
        ASSERT_EQ(found, fresh ? std::nullopt : std::optional(expected->second)) << text;
        auto [number, inserted] = table.insert(text);
        ASSERT_EQ(inserted, fresh) << text;
        ASSERT_EQ(number, expected->second) << text;
    }
    EXPECT_EQ(table.size(), reference.size());
    EXPECT_GT(table.size(), 2048u); // grown past its first slots more than once
}
