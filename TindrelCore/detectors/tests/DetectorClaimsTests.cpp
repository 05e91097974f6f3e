#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/tests/Fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace tindrel;

namespace {

// The inputs of every detector table, of the chain table and of the scan fragments.
std::vector<std::string> tableInputs() {
    std::vector<std::string> tables = {"chains.tsv", "scan/fragments.tsv"};
    const std::optional<std::string> detectorTables = fixtures::corePath("tests/data/detectors");
    EXPECT_TRUE(detectorTables) << "TINDREL_SOURCE_DIR is not set";
    if (!detectorTables) return {};
    for (const auto& entry : std::filesystem::directory_iterator(*detectorTables))
        if (entry.path().extension() == ".tsv")
            tables.push_back("detectors/" + entry.path().filename().string());
    std::vector<std::string> inputs;
    for (const std::string& table : tables)
        for (const fixtures::Row& row : fixtures::table(table))
            inputs.push_back(row[0]);
    return inputs;
}

// Each input, every output its chain makes, each with white space around it, and pieces of each.
std::vector<std::string> textsToTry() {
    std::vector<std::string> texts;
    for (const std::string& input : tableInputs()) {
        texts.push_back(input);
        for (const DecodeResult& step : Tindrel::inspect(input).steps)
            texts.push_back(step.output);
    }
    std::mt19937 random(7);
    const std::size_t whole = texts.size();
    for (std::size_t i = 0; i < whole; ++i) {
        const std::string text = texts[i];
        texts.push_back(" \t" + text + "\n");
        texts.push_back("\u00a0" + text + "\u3000");
        for (int piece = 0; piece < 4 && !text.empty(); ++piece) {
            std::size_t begin = random() % text.size();
            texts.push_back(text.substr(begin, random() % (text.size() - begin + 1)));
        }
    }
    return texts;
}

} // namespace

// A gate may only turn away what its detector would refuse anyway: every text a detector answers,
// among the tables' inputs, the outputs their chains make, those with white space around them and
// pieces of them, passes its gate. Each detector answers some of them, so no gate goes untried.
TEST(DetectorGate, LetsThroughEveryTextItsDetectorAnswers) {
    const std::vector<std::string> texts = textsToTry();
    std::map<DetectionKind, std::size_t> answered, turnedAway;
    for (const auto& detector : defaultDetectors())
        for (const std::string& text : texts) {
            const bool admitted = detector->gate().admits(ByteClass::of(Text::trim(text)));
            turnedAway[detector->kind()] += admitted ? 0 : 1;
            if (!detector->decode(text)) continue;
            ++answered[detector->kind()];
            EXPECT_TRUE(admitted) << detection_kind::rawValue(detector->kind()) << " \"" << text << "\"";
        }
    for (const auto& detector : defaultDetectors())
        EXPECT_GT(answered[detector->kind()], 0u) << detection_kind::rawValue(detector->kind());
    EXPECT_GT(turnedAway[DetectionKind::unixTimestamp], texts.size() / 2) << "the gates turn texts away";
}

// A detector that says its answers can always be written answers nothing else, whatever the text:
// the tables' texts and their pieces, and each of them spoiled by bytes that are not UTF-8. Both
// detectors that say so answer some of them.
TEST(DetectorClaims, AlwaysWritableDetectorsAnswerOnlyWhatCanBeWritten) {
    std::vector<std::string> texts = textsToTry();
    const std::size_t whole = texts.size();
    for (std::size_t i = 0; i < whole; ++i)
        for (const std::string_view spoiler : {"\xff", "\xe2\x86", "\xed\xa0\x80"})
            texts.push_back(texts[i]
                                .substr(0, texts[i].size() / 2)
                                .append(spoiler)
                                .append(std::string_view(texts[i]).substr(texts[i].size() / 2)));
    std::map<DetectionKind, std::size_t> answered;
    for (const auto& detector : defaultDetectors()) {
        if (!detector->alwaysWritable()) continue;
        for (const std::string& text : texts) {
            const std::optional<DecodeResult> answer = detector->decode(text);
            if (!answer) continue;
            ++answered[detector->kind()];
            EXPECT_TRUE(answer->canBeWritten())
                << detection_kind::rawValue(detector->kind()) << " \"" << text << "\"";
        }
    }
    EXPECT_EQ(answered.size(), 2u);
}

// Each byte falls in one kind, and a text holds the kinds of its bytes.
TEST(DetectorGate, SumsUpATextByTheKindsOfItsBytes) {
    const std::vector<std::pair<std::string, ByteClass::Set>> cases = {
        {"", 0},
        {"0189", ByteClass::digit0or1 | ByteClass::digit8or9},
        {"27", ByteClass::digit2to7},
        {"afAF", ByteClass::hexLower | ByteClass::hexUpper},
        {"gzGZ", ByteClass::lowerRest | ByteClass::upperRest},
        {"+/=-_.%&<\\", ByteClass::plus | ByteClass::slash | ByteClass::equals | ByteClass::dash |
                            ByteClass::underscore | ByteClass::dot | ByteClass::percent |
                            ByteClass::ampersand | ByteClass::lessThan | ByteClass::backslash},
        {"{[", ByteClass::openBracket},
        {"\n", ByteClass::lineFeed},
        {" \t\r}]>:\"#\x7f", ByteClass::otherASCII},
        {"\u00e9\x80", ByteClass::nonASCII},
    };
    for (const auto& [text, classes] : cases)
        EXPECT_EQ(ByteClass::of(text), classes) << text;
}
