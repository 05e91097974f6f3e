#include "ICUOracle.h"
#include "TextGenerator.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/scan/CandidatePatterns.h"
#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/scan/tests/ScanReference.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"
#include "TindrelCore/text/CharacterClasses.h"
#include "TindrelCore/text/Text.h"

#include <gtest/gtest.h>
#include <map>
#include <unicode/uchar.h>

using namespace tindrel;

namespace {

const std::map<CandidatePattern, std::string_view> icuPatterns = {
    {CandidatePattern::pemBlock, R"(-----BEGIN [A-Z0-9 ]+-----[A-Za-z0-9+/=\s]+-----END [A-Z0-9 ]+-----)"},
    {CandidatePattern::cryptHash,
     R"(\$(?:2[abxy]|[1567]|y|argon2(?:id|i|d)|scrypt|pbkdf2[A-Za-z0-9-]*)\$[A-Za-z0-9./+=,$-]+)"},
    {CandidatePattern::jwt, R"(\beyJ[A-Za-z0-9_-]+\.[A-Za-z0-9_-]+\.[A-Za-z0-9_-]*)"},
    {CandidatePattern::uuid,
     R"(\b[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}\b)"},
    {CandidatePattern::queryString,
     R"([A-Za-z_][A-Za-z0-9_.]*=[^\s&]*(?:&[A-Za-z_][A-Za-z0-9_.]*=[^\s&]*)+)"},
    {CandidatePattern::base64Run, R"(\b[A-Za-z0-9+/_-]{24,}={0,2})"},
    {CandidatePattern::hexRun, R"(\b(?:0x)?[0-9a-fA-F]{16,}\b)"},
    {CandidatePattern::millisecondTime, R"(\b\d{13}\b)"},
    {CandidatePattern::secondTime, R"(\b\d{10}\b)"},
};

std::vector<std::vector<TextSpan>> referenceLists(const std::string& text) {
    std::vector<std::vector<TextSpan>> lists;
    for (CandidatePattern pattern : candidatePatterns)
        lists.push_back(pattern == CandidatePattern::jsonSpan
                            ? reference::jsonSpans(text, oracle::characterBoundaries(text))
                            : oracle::matches(text, icuPatterns.at(pattern)));
    return lists;
}

std::uint32_t fnv(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
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
        for (const auto& [pattern, source] : icuPatterns) {
            std::vector<TextSpan> expected = oracle::matches(text, source);
            matched[pattern] += static_cast<int>(expected.size());
            ASSERT_EQ(findCandidates(scanText, pattern), expected)
                << "pattern " << static_cast<int>(pattern) << " on \"" << text << "\"";
        }
    }
    for (const auto& [pattern, source] : icuPatterns)
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
        {DetectionKind::hash, [](std::string_view t) { return fnv(t) % 2 == 0; }},
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
