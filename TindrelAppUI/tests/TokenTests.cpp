#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/style/TindrelColor.h"
#include "TindrelAppUI/style/TindrelFont.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

struct HexCase {
    const char* text;
    QRgb rgb;
};

class HexColor : public testing::TestWithParam<HexCase> {};

TEST_P(HexColor, ReadsTheLeadingDigitsAsAnOpaqueColour) {
    const QColor color = TindrelColor::fromHex(GetParam().text);
    EXPECT_EQ(color.rgb(), GetParam().rgb) << GetParam().text;
    EXPECT_EQ(color.alpha(), 255);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexColor,
    testing::Values(HexCase{"#5B6CFF", qRgb(0x5B, 0x6C, 0xFF)}, HexCase{"5B6CFF", qRgb(0x5B, 0x6C, 0xFF)},
                    HexCase{"5b6cff", qRgb(0x5B, 0x6C, 0xFF)}, HexCase{"", qRgb(0, 0, 0)},
                    HexCase{"zz", qRgb(0, 0, 0)}, HexCase{"#", qRgb(0, 0, 0)},
                    HexCase{"ABC", qRgb(0, 0x0A, 0xBC)}, HexCase{"12345678", qRgb(0x34, 0x56, 0x78)},
                    HexCase{"FF00FFxyz", qRgb(0xFF, 0x00, 0xFF)}, HexCase{"##123456", qRgb(0, 0, 0)}));

struct TokenCase {
    const char* name;
    DynamicColor token;
    QRgb dark;
    QRgb light;
};

class ColorTokens : public testing::TestWithParam<TokenCase> {};

TEST_P(ColorTokens, ResolveToTheirValueForEachAppearance) {
    EXPECT_EQ(GetParam().token.resolved(Appearance::dark).rgb(), GetParam().dark) << GetParam().name;
    EXPECT_EQ(GetParam().token.resolved(Appearance::light).rgb(), GetParam().light) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColorTokens,
    testing::Values(TokenCase{"appBackground", TindrelColor::appBackground, 0xFF0B0D12, 0xFFF5F6FA},
                    TokenCase{"surface", TindrelColor::surface, 0xFF12151C, 0xFFFFFFFF},
                    TokenCase{"surfaceRaised", TindrelColor::surfaceRaised, 0xFF181C26, 0xFFF0F2F7},
                    TokenCase{"border", TindrelColor::border, 0xFF272D3A, 0xFFDDE1EA},
                    TokenCase{"textPrimary", TindrelColor::textPrimary, 0xFFF1F3F7, 0xFF171A22},
                    TokenCase{"textSecondary", TindrelColor::textSecondary, 0xFF9DA7B8, 0xFF697184},
                    TokenCase{"brandPrimary", TindrelColor::brandPrimary, 0xFF8290FF, 0xFF5B6CFF},
                    TokenCase{"brandSecondary", TindrelColor::brandSecondary, 0xFFAD7BFF, 0xFF9561F2},
                    TokenCase{"warning", TindrelColor::warning, 0xFFF0A34A, 0xFFC97716},
                    TokenCase{"danger", TindrelColor::danger, 0xFFFF7182, 0xFFC63D4F},
                    TokenCase{"success", TindrelColor::success, 0xFF4DD49A, 0xFF23875B},
                    TokenCase{"insightBg", TindrelColor::insightBg, 0xFF161A2B, 0xFFF4F4FF},
                    TokenCase{"insightBorder", TindrelColor::insightBorder, 0xFF2B2F50, 0xFFE2E1FF},
                    TokenCase{"codeBg", TindrelColor::codeBg, 0xFF0E1118, 0xFFF6F7FB}));

TEST(FontTokens, KeepTheirSizeWeightAndDesign) {
    const QFont verdict = TindrelFont::verdict.font();
    EXPECT_DOUBLE_EQ(verdict.pointSizeF(), 27 * 0.75);
    EXPECT_EQ(verdict.weight(), QFont::DemiBold);
    EXPECT_DOUBLE_EQ(TindrelFont::kvKey.font().pointSizeF(), 13.5 * 0.75);
    EXPECT_EQ(TindrelFont::kvValue.font().weight(), QFont::Medium);
    EXPECT_TRUE(QFontInfo(TindrelFont::code.font()).fixedPitch());
    EXPECT_NE(TindrelFont::code.font().family(), TindrelFont::body.font().family());
}

TEST(Theme, SwitchingTheAppearanceRestylesInPlace) {
    Theme& theme = Theme::shared();
    Appearance seen = Appearance::light;
    const auto connection = QObject::connect(&theme, &Theme::changed, [&](Appearance a) { seen = a; });
    QLabel label("kept");
    Theme::setRole(&label, "meta");
    theme.setOverride(Appearance::dark);
    label.ensurePolished();
    EXPECT_EQ(label.palette().color(label.foregroundRole()).rgb(), 0xFF9DA7B8u);
    EXPECT_EQ(seen, Appearance::dark);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window).rgb(), 0xFF0B0D12u);
    EXPECT_TRUE(qApp->styleSheet().contains("#0b0d12"));
    theme.setOverride(Appearance::light);
    EXPECT_EQ(seen, Appearance::light);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window).rgb(), 0xFFF5F6FAu);
    EXPECT_FALSE(qApp->styleSheet().contains("#0b0d12"));
    label.ensurePolished();
    EXPECT_EQ(label.palette().color(label.foregroundRole()).rgb(), 0xFF697184u); // the same label, restyled
    QObject::disconnect(connection);
}

} // namespace
