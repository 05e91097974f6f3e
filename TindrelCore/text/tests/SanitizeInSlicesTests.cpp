#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Text.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace tindrel;

namespace {

// Well-formed scalars of every length beside every kind of ill-formed sequence: lone and surplus
// continuation bytes, cut sequences, overlong forms, surrogates, bytes that never occur.
const std::vector<std::string> fragments = {
    "a",
    "line\n",
    "\xC3\xA9",
    "\xE2\x82\xAC",
    "\xF0\x9F\x98\x80",
    "\x80",
    "\xBF\xBF",
    "\xC3",
    "\xE2\x82",
    "\xF0\x9F\x98",
    "\xC0\xAF",
    "\xE0\x80\x80",
    "\xED\xA0\x80",
    "\xF4\x90\x80\x80",
    "\xF5",
    "\xFF",
    "\xF0\x9F\x98\x80\x80\x80\x80\x80",
};

} // namespace

// Cut in slices of any size, the text made valid slice by slice is the text made valid whole; the
// lengths handed with the slices grow to the whole, and each slice is cut near its size.
TEST(SanitizeInSlices, SlicesMadeValidMakeTheWholeMadeValid) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const std::string text =
            fixtures::randomJoin(random, fragments, 1 + static_cast<std::size_t>(round % 40));
        for (std::size_t sliceBytes : {1, 2, 3, 4, 5, 7, 9, 64}) {
            std::string joined;
            std::vector<std::size_t> throughs;
            EXPECT_TRUE(Text::sanitizeUTF8InSlices(text, sliceBytes,
                                                   [&](std::string_view valid, std::size_t through) {
                                                       joined += valid;
                                                       throughs.push_back(through);
                                                       return true;
                                                   }));
            ASSERT_EQ(joined, Text::sanitizeUTF8(text)) << round << " " << sliceBytes;
            ASSERT_FALSE(throughs.empty());
            EXPECT_EQ(throughs.back(), text.size());
            std::size_t before = 0;
            for (std::size_t through : throughs) {
                EXPECT_GT(through, before);
                EXPECT_LE(through - before, std::max<std::size_t>(sliceBytes, 4));
                before = through;
            }
        }
    }
}

// A slice refused stops the slicing there.
TEST(SanitizeInSlices, StopsAtTheFirstSliceRefused) {
    const std::string text(100, 'x');
    int slices = 0;
    EXPECT_FALSE(
        Text::sanitizeUTF8InSlices(text, 10, [&](std::string_view, std::size_t) { return ++slices < 3; }));
    EXPECT_EQ(slices, 3);
}
