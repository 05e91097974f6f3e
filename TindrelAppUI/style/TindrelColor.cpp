#include "TindrelAppUI/style/TindrelColor.h"

#include "TindrelCore/text/HexDigit.h"

#include <cstdint>

namespace tindrel {

QColor DynamicColor::resolved(Appearance appearance) const {
    return TindrelColor::fromHex(appearance == Appearance::dark ? dark : light);
}

namespace TindrelColor {

QColor fromHex(std::string_view text) {
    if (text.starts_with('#')) text.remove_prefix(1);
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(digit); // only the low 24 bits are kept
    }
    return QColor::fromRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

QString brandGradientCss(Appearance appearance) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 %1, stop:1 %2)")
        .arg(brandPrimary.css(appearance), brandSecondary.css(appearance));
}

} // namespace TindrelColor
} // namespace tindrel
