#pragma once

#include <QFont>
#include <QString>

namespace tindrel {

// A type style: the system font at a fixed size, with a weight and a design. Sizes are design points,
// one per device-independent pixel, so a 14-point body text is 14 pixels tall at 96 dpi whatever the
// toolkit's own point means. "rounded" has no Linux counterpart and maps to the system font;
// "monospaced" maps to the system fixed-width font.
struct FontToken {
    enum class Design { standard, rounded, monospaced };

    double pointSize;
    QFont::Weight weight;
    Design design;

    // Qt's points are 1/72 inch, three quarters of a pixel at 96 dpi.
    static constexpr double qtPointsPerDesignPoint = 0.75;

    QFont font() const;
    // The same style as style-sheet declarations.
    QString css() const;
};

namespace TindrelFont {

inline constexpr FontToken wordmark{19, QFont::Bold, FontToken::Design::rounded};
inline constexpr FontToken verdict{27, QFont::DemiBold, FontToken::Design::rounded};
inline constexpr FontToken insightVerdict{21, QFont::DemiBold, FontToken::Design::rounded};
inline constexpr FontToken paneTitle{16, QFont::DemiBold, FontToken::Design::rounded};
inline constexpr FontToken section{14, QFont::DemiBold, FontToken::Design::standard};
inline constexpr FontToken body{14, QFont::Normal, FontToken::Design::standard};
inline constexpr FontToken kvKey{13.5, QFont::Normal, FontToken::Design::standard};
inline constexpr FontToken kvValue{14, QFont::Medium, FontToken::Design::standard};
inline constexpr FontToken meta{11.5, QFont::DemiBold, FontToken::Design::standard};
inline constexpr FontToken code{12.5, QFont::Normal, FontToken::Design::monospaced};
inline constexpr FontToken codeSmall{11.5, QFont::Normal, FontToken::Design::monospaced};

} // namespace TindrelFont
} // namespace tindrel
