#pragma once

#include <QColor>
#include <QIcon>
#include <QPainterPath>
#include <QPixmap>
#include <array>

// The tray icon: one closed, smoothly irregular, roughly circular outline centred in an 18×18 square
// on a transparent background. Linux trays draw icons as they are, on panels of any shade whatever
// the app's own scheme, so the outline is a light stroke inside a thin dark rim: it reads on light,
// dark and patterned panels alike. Each size is drawn at its own pixel size rather than scaled from
// another, so the stroke stays crisp.
namespace tindrel::MenuBarIcon {

inline constexpr double designSide = 18.0;
inline constexpr double strokeWidth = 1.6; // in design units
// The dark rim on either side of the stroke, in design units.
inline constexpr double rimWidth = 0.8;
inline constexpr QRgb strokeInk = 0xFFFFFFFF;
inline constexpr QRgb rimInk = 0xE0101218;
inline constexpr std::array<int, 7> sizes{18, 22, 24, 32, 36, 48, 64};

// The outline in design units (the 18×18 square).
QPainterPath outline();
// One size, `side` pixels square.
QPixmap pixmap(int side);
// Every size.
QIcon image();

} // namespace tindrel::MenuBarIcon
