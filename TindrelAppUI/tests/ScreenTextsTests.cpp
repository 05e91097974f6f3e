#include "TindrelAppUI/inspector/ScreenTexts.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

DecodeChain chainOf(DetectionKind kind, double confidence) {
    return DecodeChain{"x", {DecodeResult{kind, "y", confidence, "s", {}, true}}};
}

struct ChipCase {
    DetectionKind kind;
    double confidence;
    const char* chip;
};

class SingleChip : public testing::TestWithParam<ChipCase> {};

TEST_P(SingleChip, NamesTheFirstKindAndDoubtsBelowThreeQuarters) {
    EXPECT_EQ(ScreenTexts::singleChip(chainOf(GetParam().kind, GetParam().confidence)),
              QString(GetParam().chip));
}

INSTANTIATE_TEST_SUITE_P(Confidences, SingleChip,
                         testing::Values(ChipCase{DetectionKind::jwt, 0.99, "JWT"},
                                         ChipCase{DetectionKind::jwt, 0.75, "JWT"},
                                         ChipCase{DetectionKind::base64, 0.7499, "Possible Base64"},
                                         ChipCase{DetectionKind::hex, 0.5, "Possible Hex"}));

TEST(SingleChip, NoneWithoutSteps) {
    EXPECT_FALSE(ScreenTexts::singleChip(DecodeChain{"plain", {}}).has_value());
}

struct CountCase {
    std::size_t count;
    const char* findings;
    const char* chip;
};

class Counts : public testing::TestWithParam<CountCase> {};

TEST_P(Counts, PluraliseExceptForOne) {
    EXPECT_EQ(ScreenTexts::findingCount(GetParam().count), QString(GetParam().findings));
    EXPECT_EQ(ScreenTexts::scanChip(GetParam().count), QString::fromUtf8(GetParam().chip));
}

INSTANTIATE_TEST_SUITE_P(Numbers, Counts,
                         testing::Values(CountCase{0, "0 findings", "Log \u00B7 0 found"},
                                         CountCase{1, "1 finding", "Log \u00B7 1 found"},
                                         CountCase{4, "4 findings", "Log \u00B7 4 found"},
                                         CountCase{11, "11 findings", "Log \u00B7 11 found"}));

struct PercentCase {
    double confidence;
    const char* text;
};

class Percent : public testing::TestWithParam<PercentCase> {};

TEST_P(Percent, RoundsToAWholeNumber) {
    EXPECT_EQ(ScreenTexts::confidencePercent(GetParam().confidence), QString(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, Percent,
                         testing::Values(PercentCase{0.95, "95%"}, PercentCase{1.0, "100%"},
                                         PercentCase{0.5, "50%"}, PercentCase{0.855, "86%"},
                                         PercentCase{0.994, "99%"}, PercentCase{0.0, "0%"}));

TEST(ScreenTexts, StateTextsAreWordForWord) {
    EXPECT_EQ(ScreenTexts::embeddedBanner(3), QString("Also found 3 embedded items in this input."));
    EXPECT_EQ(ScreenTexts::lineLabel(12), QString("line 12"));
    EXPECT_EQ(ScreenTexts::shortcutTip(QString::fromUtf8("\u2325\u21E7Space")),
              QString::fromUtf8("Tip: press \u2325\u21E7Space anywhere to inspect your clipboard."));
}

TEST(ScreenTexts, OneLineFlattensBreaksAndTrims) {
    EXPECT_EQ(ScreenTexts::oneLine("  a\nb\r\nc\td \n"), QString("a b  c d"));
    EXPECT_EQ(ScreenTexts::trimmed(QString::fromUtf8("\u00A0\u2003 ask \n")), QString("ask"));
    EXPECT_TRUE(ScreenTexts::trimmed(" \n\t ").isEmpty());
}

} // namespace
