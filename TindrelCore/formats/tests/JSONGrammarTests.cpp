#include "TindrelCore/formats/JSONUtil.h"

#include <gtest/gtest.h>
#include <random>

using namespace tindrel;

namespace {

bool readerAccepts(std::string_view text) {
    return nlohmann::json::accept(text.begin(), text.end());
}

} // namespace

// Random texts over JSON's own characters: the walk may let through what the reader refuses (it
// leaves UTF-8 and \u code points to it), never the other way round.
TEST(JSONGrammar, NeverRefusesATextTheReaderAccepts) {
    constexpr std::string_view alphabet = "{}[],:\" \n\\/0123456789-+.eEtrufalsn\xC3\xA9";
    const std::string seeds[] = {"{\"a\":[1,2.5e3,true],\"b\":{\"c\":null}}", "[\"x\\u0041\",-0,[[]],{}]"};
    std::mt19937 random(7);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text = seeds[round % 2];
        for (int edit = 0; edit < 1 + round % 3; ++edit)
            text[random() % text.size()] = alphabet[random() % alphabet.size()];
        const bool readable = readerAccepts(text);
        accepted += readable;
        ASSERT_TRUE(JSONUtil::mayBeJSON(text) || !readable) << text;
    }
    EXPECT_GT(accepted, 1000) << "the edits leave enough readable texts to compare";
}
