#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/LineColumns.h"
#include "TindrelCore/text/Text.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace tindrel;

namespace {

// The column counted from the start of the line, as one position alone would be.
std::size_t columnFromLineStart(std::string_view text, std::size_t offset) {
    const std::size_t lineFeed = text.substr(0, offset).rfind('\n');
    const std::size_t lineStart = lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
    return 1 + Text::characterCount(text.substr(lineStart, offset - lineStart));
}

// Where each user-perceived character of the text begins, and its end.
std::vector<std::size_t> characterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t count = 0;; ++count) {
        const std::size_t at = Text::prefixCharacters(text, count).size();
        if (!starts.empty() && at == starts.back()) break;
        starts.push_back(at);
    }
    return starts;
}

} // namespace

// Texts of flags (whose pairing depends on every regional indicator before them), combining
// accents, joined emoji, tabs, CR LF and plain words, the positions a random ascending choice of
// character starts: counting on from the last position gives the column counted from the line start.
TEST(LineColumns, CountingOnAgreesWithCountingFromTheLineStart) {
    const std::vector<std::string> pieces = {
        "abc",
        "\t",
        " ",
        "\n",
        "\r\n",
        "\r",
        "e\u0301",
        "\u00e9",
        "\U0001F1EB",
        "\U0001F1F7",
        "\U0001F1EB\U0001F1F7",
        "\u4e2d\u6587",
        "\U0001F469\u200D\U0001F4BB",
        "x\u0308\u0301",
        "[1]",
        "=",
    };
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        const std::string text = fixtures::randomJoin(random, pieces, 1 + random() % 40);
        const std::vector<std::size_t> starts = characterStarts(text);
        LineColumns columns(text);
        for (std::size_t start : starts) {
            if (random() % 3 == 0) continue; // some positions are never asked for
            ASSERT_EQ(columns.columnAt(start), columnFromLineStart(text, start))
                << "round " << round << ", offset " << start;
        }
    }
}
