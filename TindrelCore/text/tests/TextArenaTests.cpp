#include "TindrelCore/text/TextArena.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tindrel;

// Every copy still reads as its text after many more, across blocks, with texts larger than a
// block and empty ones among them.
TEST(TextArena, CopiesStayWhereTheyWereWritten) {
    TextArena arena;
    std::vector<std::string> texts;
    std::vector<std::string_view> copies;
    for (std::size_t i = 0; i < 3000; ++i) {
        std::size_t length = i % 1000 == 999 ? (std::size_t{3} << 20) : i % 7 == 0 ? 0 : 100 + i % 900;
        texts.push_back(std::string(length, static_cast<char>('a' + i % 26)) + std::to_string(i));
        copies.push_back(arena.copy(texts.back()));
        ASSERT_NE(copies.back().data(), texts.back().data());
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(copies[i], texts[i]) << i;
}
