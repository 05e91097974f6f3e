#pragma once

#include <QColor>
#include <QString>
#include <string_view>

namespace tindrel {

enum class Appearance { light, dark };

// One colour per appearance; views resolve it under the appearance in force when they are styled.
struct DynamicColor {
    std::string_view dark;
    std::string_view light;

    QColor resolved(Appearance appearance) const;
    // "#rrggbb" for style sheets.
    QString css(Appearance appearance) const { return resolved(appearance).name(QColor::HexRgb); }
};

namespace TindrelColor {

// "#5B6CFF" and "5B6CFF" are the same colour; the longest leading run of hexadecimal digits is read,
// its lowest 24 bits give red, green and blue; no digits give opaque black.
QColor fromHex(std::string_view text);

inline constexpr DynamicColor appBackground{"0B0D12", "F5F6FA"};
inline constexpr DynamicColor surface{"12151C", "FFFFFF"};
inline constexpr DynamicColor surfaceRaised{"181C26", "F0F2F7"};
inline constexpr DynamicColor border{"272D3A", "DDE1EA"};
inline constexpr DynamicColor textPrimary{"F1F3F7", "171A22"};
inline constexpr DynamicColor textSecondary{"9DA7B8", "697184"};
inline constexpr DynamicColor brandPrimary{"8290FF", "5B6CFF"};
inline constexpr DynamicColor brandSecondary{"AD7BFF", "9561F2"};
inline constexpr DynamicColor warning{"F0A34A", "C97716"};
inline constexpr DynamicColor danger{"FF7182", "C63D4F"};
inline constexpr DynamicColor success{"4DD49A", "23875B"};
inline constexpr DynamicColor insightBg{"161A2B", "F4F4FF"};
inline constexpr DynamicColor insightBorder{"2B2F50", "E2E1FF"};
inline constexpr DynamicColor codeBg{"0E1118", "F6F7FB"};

// brandPrimary at the top-leading corner to brandSecondary at the bottom-trailing corner, as a
// style-sheet gradient.
QString brandGradientCss(Appearance appearance);

} // namespace TindrelColor
} // namespace tindrel
