#include "TindrelCore/formats/JSONUtil.h"

#include <gtest/gtest.h>
#include <random>

using namespace tindrel;

namespace {

bool readerAccepts(std::string_view text) {
    return nlohmann::json::accept(text.begin(), text.end());
}

// The texts of a table written as one line, "|" between them.
std::vector<std::string> texts(std::string_view line, std::vector<std::string> more) {
    for (std::size_t bar; (bar = line.find('|')) != std::string_view::npos; line.remove_prefix(bar + 1))
        more.emplace_back(line.substr(0, bar));
    more.emplace_back(line);
    return more;
}

} // namespace

TEST(JSONGrammar, RefusesWhatNoReaderAcceptsAndNothingElse) {
    for (const std::string& text :
         texts("[nio-8080-exec-17]|[INFO]|[2024-05-01 12:00:00]|{user}|[1,]|{\"a\"}|{,}|[01]|[-]|[1.]|[1e]|"
               "[\"tab\there\"]|[\"\\x\"]|[\"\\u12g4\"]|[1] [2]||  |[tru]|\xEF\xBB[]|{\"a\":1",
               {std::string(JSONUtil::maxNestingDepth + 1, '['), std::string("[1\0]", 4)})) {
        EXPECT_FALSE(JSONUtil::mayBeJSON(text)) << text;
        EXPECT_FALSE(readerAccepts(text)) << "the reader takes " << text;
    }
    for (const std::string& text :
         texts("[]| {} |\xEF\xBB\xBF [1]|-0.5e+3|\"\\ud800\"|[true,false,null,0,1E5]|"
               "{\"a\":[1,{\"b\":null}],\"c\":\"\\/\\\"\"}|[\"caf\xC3\xA9\"]|[\"\xFF\"]",
               {std::string("[1]\0 trailing", 13)})) // the reader stops at a NUL
        EXPECT_TRUE(JSONUtil::mayBeJSON(text)) << text;
}

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
