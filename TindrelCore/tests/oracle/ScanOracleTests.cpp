#include "ICUOracle.h"
#include "TextGenerator.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/scan/tests/ScanReference.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/CharacterClasses.h"
#include "TindrelCore/text/Text.h"

#include <gtest/gtest.h>
#include <map>
#include <unicode/uchar.h>

using namespace tindrel;

namespace {

// tests/data/oracle/icu-patterns.tsv
const std::map<CandidatePattern, std::string>& icuPatterns() {
    static const std::map<CandidatePattern, std::string> read = [] {
        std::map<CandidatePattern, std::string> patterns;
        for (const fixtures::Row& row : fixtures::table("oracle/icu-patterns.tsv"))
            patterns.emplace(scantest::patternNamed(row[0]), row[1]);
        return patterns;
    }();
    return read;
}

std::vector<std::vector<TextSpan>> referenceLists(const std::string& text) {
    std::vector<std::vector<TextSpan>> lists;
    lists.reserve(candidatePatterns.size());
    for (CandidatePattern pattern : candidatePatterns)
        lists.push_back(pattern == CandidatePattern::jsonSpan
                            ? reference::jsonSpans(text, oracle::characterBoundaries(text))
                            : oracle::matches(text, icuPatterns().at(pattern)));
    return lists;
}

} // namespace

TEST(ScanOracle, CharacterClassesMatchICUForEveryScalar) {
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        bool word = u_hasBinaryProperty(c, UCHAR_ALPHABETIC) ||
                    (U_GET_GC_MASK(c) & (U_GC_M_MASK | U_GC_ND_MASK | U_GC_PC_MASK)) || c == 0x200C ||
                    c == 0x200D;
        bool transparent = u_hasBinaryProperty(c, UCHAR_GRAPHEME_EXTEND) || u_charType(c) == U_FORMAT_CHAR;
        auto scalar = static_cast<char32_t>(c);
        ASSERT_EQ(CharacterClasses::isWordCharacter(scalar), word) << std::hex << c;
        ASSERT_EQ(CharacterClasses::isBoundaryTransparent(scalar), transparent) << std::hex << c;
        ASSERT_EQ(CharacterClasses::isDecimalDigit(scalar), u_charType(c) == U_DECIMAL_DIGIT_NUMBER)
            << std::hex << c;
        ASSERT_EQ(Text::isWhitespace(scalar), static_cast<bool>(u_hasBinaryProperty(c, UCHAR_WHITE_SPACE)))
            << std::hex << c;
    }
}

TEST(ScanOracle, CandidatesMatchICUOnGeneratedTexts) {
    oracle::TextGenerator generator(2024);
    std::map<CandidatePattern, int> matched;
    for (int round = 0; round < 6000; ++round) {
        std::string text = generator.next();
        ScanText scanText(text);
        for (const auto& [pattern, source] : icuPatterns()) {
            std::vector<TextSpan> expected = oracle::matches(text, source);
            matched[pattern] += static_cast<int>(expected.size());
            ASSERT_EQ(findCandidates(scanText, pattern), expected)
                << "pattern " << static_cast<int>(pattern) << " on \"" << text << "\"";
        }
    }
    for (const auto& [pattern, source] : icuPatterns())
        EXPECT_GT(matched[pattern], 50) << "the texts hardly exercise pattern " << source;
}

TEST(ScanOracle, JSONSpansMatchTheWalkOverICUCharacters) {
    oracle::TextGenerator generator(99);
    for (int round = 0; round < 6000; ++round) {
        std::string text = generator.next();
        ASSERT_EQ(JSONSpans::find(ScanText(text)),
                  reference::jsonSpans(text, oracle::characterBoundaries(text)))
            << text;
    }
}

TEST(ScanOracle, FindingsMatchTheReferenceSelection) {
    // Recognises about half of all texts, unpredictably, so that acceptance and overlap both vary.
    ChainEngine engine = scantest::engineOf({
        {DetectionKind::hash, [](std::string_view t) { return std::hash<std::string_view>{}(t) % 2 == 0; }},
    });
    Scanner scanner{engine};
    oracle::TextGenerator generator(5);
    for (int round = 0; round < 3000; ++round) {
        std::string text = generator.next();
        ASSERT_EQ(scanner.scan(text), reference::select(text, referenceLists(text), engine)) << text;
    }
}

TEST(ScanOracle, DefaultScannerMatchesTheReferenceSelection) {
    ChainEngine engine{defaultDetectors(), 0.5, 12};
    oracle::TextGenerator generator(6);
    for (int round = 0; round < 400; ++round) {
        std::string text = generator.next();
        ASSERT_EQ(Tindrel::scan(text), reference::select(text, referenceLists(text), engine)) << text;
    }
}
