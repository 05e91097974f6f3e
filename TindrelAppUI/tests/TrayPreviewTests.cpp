#include "TindrelAppUI/tray/TrayPreview.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

const QString ellipsis = QString(QChar(0x2026));

QString repeated(const QString& piece, int times) {
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

DecodeResult step(DetectionKind kind, std::string output) {
    return {kind, std::move(output), 0.9, "summary", {}, false};
}

struct CutCase {
    const char* name;
    QString text;
    int limit;
    QString expected;
};

class CutToCharacters : public testing::TestWithParam<CutCase> {};

TEST_P(CutToCharacters, KeepsWholeCharactersUpToTheLimit) {
    EXPECT_EQ(cutToCharacters(GetParam().text, GetParam().limit), GetParam().expected);
}

const QString smile = QString::fromUtf8("\U0001F600"); // one character, two UTF-16 units
const QString eAcute = QStringLiteral("e\u0301");      // one character, two code points

INSTANTIATE_TEST_SUITE_P(
    Texts, CutToCharacters,
    testing::Values(CutCase{"empty", QString(), 240, QString()},
                    CutCase{"exactly240", repeated("x", 240), 240, repeated("x", 240)},
                    CutCase{"241", repeated("x", 241), 240, repeated("x", 240) + ellipsis},
                    CutCase{"muchLonger", repeated("ab", 500), 240, repeated("ab", 120) + ellipsis},
                    CutCase{"surrogatePairsFit", repeated(smile, 3), 3, repeated(smile, 3)},
                    CutCase{"surrogatePairsCut", repeated(smile, 4), 3, repeated(smile, 3) + ellipsis},
                    CutCase{"pairAtTheLimit", repeated("x", 2) + smile + "y", 3, "xx" + smile + ellipsis},
                    CutCase{"combiningMarkStays", repeated(eAcute, 3), 2, repeated(eAcute, 2) + ellipsis},
                    CutCase{"crlfIsOneCharacter", "ab\r\ncd", 3, "ab\r\n" + ellipsis}),
    [](const testing::TestParamInfo<CutCase>& param) { return param.param.name; });

TEST(TrayPreview, WithoutAChainAsksForSomethingToInspect) {
    const TrayPreview preview = TrayPreview::of(nullptr);
    EXPECT_EQ(preview.state, TrayPreview::State::noChain);
    EXPECT_EQ(preview.message, QStringLiteral("Copy a token / payload / error, then Inspect Clipboard."));
    EXPECT_TRUE(preview.fullValue.isEmpty());
}

TEST(TrayPreview, AnUnrecognisedChainPointsToTheApp) {
    const DecodeChain chain{"plain words", {}};
    const TrayPreview preview = TrayPreview::of(&chain);
    EXPECT_EQ(preview.state, TrayPreview::State::unrecognized);
    EXPECT_EQ(preview.message,
              QString::fromUtf8("Not recognized \u2014 open Tindrel for the full result or more context."));
    EXPECT_TRUE(preview.shape.isEmpty());
}

struct RecognisedCase {
    const char* name;
    std::vector<DecodeResult> steps;
    QString shape;
    int finalLength;
    bool cut;
};

class RecognisedPreview : public testing::TestWithParam<RecognisedCase> {};

TEST_P(RecognisedPreview, ShowsTheShapeAndTheFinalValue) {
    const RecognisedCase& c = GetParam();
    const DecodeChain chain{"input", c.steps};
    const TrayPreview preview = TrayPreview::of(&chain);
    EXPECT_EQ(preview.state, TrayPreview::State::recognized);
    EXPECT_EQ(preview.shape, c.shape);
    EXPECT_EQ(preview.fullValue.size(), c.finalLength);
    EXPECT_EQ(preview.fullValue, QString::fromStdString(chain.finalValue()));
    const QString expectedShown = c.cut ? preview.fullValue.left(240) + ellipsis : preview.fullValue;
    EXPECT_EQ(preview.shownValue, expectedShown);
    EXPECT_TRUE(preview.message.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Chains, RecognisedPreview,
    testing::Values(
        RecognisedCase{"oneStep", {step(DetectionKind::hex, "hi")}, "hex", 2, false},
        RecognisedCase{"twoSteps",
                       {step(DetectionKind::base64, "{}"), step(DetectionKind::json, "{ }")},
                       QString::fromUtf8("base64 \u2192 json"),
                       3,
                       false},
        RecognisedCase{"exactly240", {step(DetectionKind::url, std::string(240, 'v'))}, "url", 240, false},
        RecognisedCase{"241", {step(DetectionKind::url, std::string(241, 'v'))}, "url", 241, true}),
    [](const testing::TestParamInfo<RecognisedCase>& param) { return param.param.name; });

} // namespace
